// The configured context menu: order and ids of its entries, the ids it reports when an
// action triggers, the relabelled entries, and records that are missing.

#include "dataview/kwmenu.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

MenuItemInfo record(int id, const QString &text, bool enabled = true, bool checkable = false,
                    const QString &icon = QString())
{
    MenuItemInfo info;
    info.id = id;
    info.text = text;
    info.enabled = enabled;
    info.checkable = checkable;
    info.icon = icon;
    return info;
}

QList<MenuItemInfo> threeRecords()
{
    return {record(1, "A"), record(2, "B", false, true), record(20, "C")};
}

class Receiver : public QObject
{
    Q_OBJECT
public:
    int calls = 0;
public slots:
    void onAction() { ++calls; }
};

} // namespace

class TstKwMenu : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void buildsFromRecords();
    void buildsFromConfiguration();
    void iconOnlyWhenGiven();
    void triggeredIds_data();
    void triggeredIds();
    void quickAddAction_data();
    void quickAddAction();
    void relabel_data();
    void relabel();
    void survivesClearedActions();

private:
    QTemporaryDir m_dir;
};

void TstKwMenu::initTestCase()
{
    // An empty all-users folder: the built-in menus, not whatever this machine configured.
    QVERIFY(m_dir.isValid());
    qputenv("KW_ALLUSERS_DIR", m_dir.path().toUtf8());
}

void TstKwMenu::buildsFromRecords()
{
    KwMenu menu(threeRecords(), true);
    QStringList texts;
    QList<int> ids;
    for (QAction *action : menu.actions()) {
        texts << action->text();
        ids << action->data().toInt();
    }
    QCOMPARE(texts, (QStringList{"A", "B", "C"}));
    QCOMPARE(ids, (QList<int>{1, 2, 20}));
    QCOMPARE(menu.actionById(KwMenu::Action_Monitor), menu.actions().at(1));
    QVERIFY(!menu.actions().at(1)->isEnabled());
    QVERIFY(menu.actions().at(1)->isCheckable());
    QCOMPARE(menu.menuInfos(), threeRecords());

    KwMenu empty(threeRecords(), false);
    QVERIFY(empty.actions().isEmpty());
    QVERIFY(!empty.hasAction(1));
}

void TstKwMenu::buildsFromConfiguration()
{
    const QList<MenuItemInfo> configured = MenuConfig::menuItemInfo("quoteList");
    QVERIFY(configured.size() >= 3);
    KwMenu menu(QStringLiteral("quoteList"), true);
    QCOMPARE(menu.actions().size(), configured.size());
    for (int i = 0; i < configured.size(); ++i) {
        QCOMPARE(menu.actions().at(i)->data().toInt(), configured.at(i).id);
        QCOMPARE(menu.actions().at(i)->text(), configured.at(i).text);
    }
    QVERIFY(menu.hasAction(KwMenu::Action_Pin));

    KwMenu unknown(QStringLiteral("no such menu"), true);
    QVERIFY(unknown.actions().isEmpty());
}

void TstKwMenu::iconOnlyWhenGiven()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("pin.png");
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    QVERIFY(pixmap.save(path));

    KwMenu menu({record(1, "A", true, false, path), record(2, "B")}, true);
    QVERIFY(!menu.actions().at(0)->icon().isNull());
    QVERIFY(menu.actions().at(1)->icon().isNull());
}

void TstKwMenu::triggeredIds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("id");
    QTest::newRow("configured entry") << 1 << 2;
    QTest::newRow("entry added by quickAddAction without a record") << 3 << 99;
    QTest::newRow("plain action without data") << 4 << 0;
}

void TstKwMenu::triggeredIds()
{
    QFETCH(int, index);
    KwMenu menu(threeRecords(), true);
    Receiver receiver;
    menu.quickAddAction(99, &receiver, SLOT(onAction()));
    menu.addAction(QStringLiteral("plain"));
    QSignalSpy spy(&menu, &KwMenu::actionTriggered);

    menu.actions().at(index)->setEnabled(true);
    menu.actions().at(index)->trigger();

    QCOMPARE(spy.count(), 1);
    QTEST(spy.at(0).at(0).toInt(), "id");
}

void TstKwMenu::quickAddAction_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checkable");
    QTest::newRow("configured record") << 2 << "B" << false << true;
    QTest::newRow("no record with that id") << 7 << "" << true << false;
}

void TstKwMenu::quickAddAction()
{
    QFETCH(int, id);
    KwMenu menu(threeRecords(), false);
    Receiver receiver;
    QAction *action = menu.quickAddAction(id, &receiver, SLOT(onAction()), QKeySequence("Ctrl+E"));

    QCOMPARE(menu.actions(), QList<QAction *>{action});
    QTEST(action->text(), "text");
    QTEST(action->isEnabled(), "enabled");
    QTEST(action->isCheckable(), "checkable");
    QCOMPARE(action->data().toInt(), id);
    QCOMPARE(action->shortcut(), QKeySequence("Ctrl+E"));
    QVERIFY(action->icon().isNull());
    QVERIFY(menu.hasAction(id));

    action->setEnabled(true);
    action->trigger();
    QCOMPARE(receiver.calls, 1);
}

void TstKwMenu::relabel_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");

    QTest::newRow("watch list set") << int(KwMenu::Role_Watchlist) << QVariant(1) << 1 << QString::fromUtf8("删除自选");
    QTest::newRow("watch list clear") << int(KwMenu::Role_Watchlist) << QVariant(0) << 1
                                      << QString::fromUtf8("添加自选");
    QTest::newRow("monitor set") << int(KwMenu::Role_Monitor) << QVariant(true) << 2 << QString::fromUtf8("删除盯盘");
    QTest::newRow("monitor clear") << int(KwMenu::Role_Monitor) << QVariant(false) << 2
                                   << QString::fromUtf8("添加盯盘");
    QTest::newRow("pin set") << int(KwMenu::Role_Pin) << QVariant(1) << 20 << QString::fromUtf8("置顶");
    QTest::newRow("pin clear") << int(KwMenu::Role_Pin) << QVariant(0) << 20 << QString::fromUtf8("取消置顶");
}

void TstKwMenu::relabel()
{
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(int, id);
    KwMenu menu(threeRecords(), true);
    const auto dataRole = KwMenu::ActionDataRole(role);
    QVERIFY(!menu.actionData(dataRole).isValid());

    menu.setActionData(dataRole, value);

    QTEST(menu.actionById(KwMenu::ActionId(id))->text(), "text");
    QCOMPARE(menu.actionData(dataRole), value);
    for (QAction *other : menu.actions()) // only the entry behind the role changes
        if (other->data().toInt() != id)
            QVERIFY(other->text().size() == 1);

    // Without the entry the state is still kept, and nothing else is touched.
    KwMenu bare({record(5, "E")}, true);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^KwMenu::setActionData: no action"));
    bare.setActionData(dataRole, value);
    QCOMPARE(bare.actionData(dataRole), value);
    QCOMPARE(bare.actions().at(0)->text(), QStringLiteral("E"));
}

void TstKwMenu::survivesClearedActions()
{
    KwMenu menu(threeRecords(), true);
    menu.clear();
    QVERIFY(!menu.hasAction(1));
    QVERIFY(!menu.actionById(KwMenu::Action_Watchlist));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^KwMenu::setActionData: no action"));
    menu.setActionData(KwMenu::Role_Watchlist, 1);
    QCOMPARE(menu.actionData(KwMenu::Role_Watchlist).toInt(), 1);
}

QTEST_MAIN(TstKwMenu)
#include "tst_kwmenu.moc"
