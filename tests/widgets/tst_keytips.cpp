#include "kwcfg.h"
#include "widgets/drawkeycanvas.h"
#include "widgets/keytipsdlg.h"
#include "widgets/keytipsmaster.h"
#include "window/titlebar.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

namespace {
QStringList rows(const DrawKeyCanvas *canvas)
{
    QStringList out;
    for (const auto &item : canvas->getItems())
        out << item.first + "|" + item.second;
    return out;
}

// The leftmost column in [x0, x1) where the band [y0, y1) is not background; -1 if none.
int firstInk(const QImage &img, int x0, int x1, int y0, int y1)
{
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y)
            if (QColor(img.pixel(x, y)) != QColor("#191919"))
                return x;
    return -1;
}
} // namespace

class TestKeyTips : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sortsEntriesIntoColumns_data();
    void sortsEntriesIntoColumns();
    void paintsColumnsWhereTheyBelong();
    void clickSelectsRow();
    void wheelScrollsTheList();
    void onlyEscapeClosesTheWindow_data();
    void onlyEscapeClosesTheWindow();

private:
    void writeShortcuts(const QByteArray &content);

    QTemporaryDir m_allUsers;
};

void TestKeyTips::initTestCase()
{
    qputenv("KW_ALLUSERS_DIR", m_allUsers.path().toUtf8());
    QVERIFY(QDir().mkpath(m_allUsers.filePath("config")));
    QFile cfg(m_allUsers.filePath("config/kwcfg.json"));
    QVERIFY(cfg.open(QIODevice::WriteOnly));
    cfg.write(R"({"shortcutFile": "../keys.json"})");
    cfg.close();
    Kwcfg::getInstance()->loadCfg();
    QCOMPARE(Kwcfg::getInstance()->getShortCutCfgPath(), m_allUsers.filePath("keys.json"));
}

void TestKeyTips::writeShortcuts(const QByteArray &content)
{
    QFile file(m_allUsers.filePath("keys.json"));
    file.remove();
    if (!content.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

void TestKeyTips::sortsEntriesIntoColumns_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::addColumn<QStringList>("common");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("failure"); // the debug line expected, empty for none

    QTest::newRow("digits only go to the numbers, in file order")
            << QByteArray(R"({"keys": [{"value": "F10", "name": "个股资料"}, {"value": "60", "name": "涨幅排名"},
                                  {"value": "Ctrl+Z", "name": "加入自选股"}, {"value": "60a", "name": "甲"},
                                  {"value": "01", "name": "成交明细"}]})")
            << QStringList{"F10|个股资料", "Ctrl+Z|加入自选股", "60a|甲"} << QStringList{"60|涨幅排名", "01|成交明细"}
            << "";
    QTest::newRow("empty value counts as digits, wide digits do not")
            << QByteArray(R"({"keys": [{"value": "", "name": "空"}, {"value": "６０", "name": "全角"}]})")
            << QStringList{"６０|全角"} << QStringList{"|空"} << "";
    QTest::newRow("missing members show empty text")
            << QByteArray(R"({"keys": [{"name": "no value"}, {"value": "F1"}, {"value": 7, "name": "number"}]})")
            << QStringList{"F1|"} << QStringList{"|no value", "|number"} << "";
    QTest::newRow("no keys array") << QByteArray(R"({"keys": {"value": "F1"}})") << QStringList{} << QStringList{}
                                   << "";
    QTest::newRow("malformed JSON") << QByteArray(R"({"keys": [{"value": "F1", "name": "x"},)") << QStringList{}
                                    << QStringList{} << "^shortcut file parse failed";
    QTest::newRow("file cannot be opened")
            << QByteArray() << QStringList{} << QStringList{} << "^file open failed\\.\\.\\. \".+\"$";
}

void TestKeyTips::sortsEntriesIntoColumns()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, common);
    QFETCH(QStringList, numbers);
    QFETCH(QString, failure);

    writeShortcuts(content);
    if (!failure.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(failure));
    KeyTipsDlg dialog;
    const DrawKeyCanvas *commonCanvas = dialog.getMaster()->getCommonCanvas();
    const DrawKeyCanvas *numberCanvas = dialog.getMaster()->getNumberCanvas();

    QCOMPARE(rows(commonCanvas), common);
    QCOMPARE(rows(numberCanvas), numbers);
    QCOMPARE(commonCanvas->height(), common.isEmpty() ? 338 : (common.size() + 2) * 20);
    QCOMPARE(numberCanvas->height(), numbers.isEmpty() ? 338 : (numbers.size() + 2) * 20);
    // A file that could not be read says so in one line instead of looking merely empty.
    QCOMPARE(commonCanvas->getNotice().isEmpty(), failure.isEmpty());

    // Whatever the file, the window is fixed in size and can only be closed.
    QCOMPARE(dialog.minimumSize(), QSize(672, 338));
    QCOMPARE(dialog.maximumSize(), QSize(672, 338));
    QVERIFY(!dialog.getTilte()->findChild<QPushButton *>("closeBtn")->isHidden());
    QVERIFY(dialog.getTilte()->findChild<QPushButton *>("minBtn")->isHidden());
    QVERIFY(dialog.getTilte()->findChild<QPushButton *>("expandBtn")->isHidden());
}

void TestKeyTips::paintsColumnsWhereTheyBelong()
{
    DrawKeyCanvas canvas;
    canvas.setTitle("> 常用快捷键");
    canvas.setItems({{"1", "成交明细"}, {"F5", "分时"}});
    canvas.resize(300, canvas.height());
    const QImage img = canvas.grab().toImage();

    QCOMPARE(img.size(), QSize(300, 80));
    QCOMPARE(firstInk(img, 0, 22, 0, 80), -1);
    const int titleX = firstInk(img, 0, 300, 10, 30);
    QVERIFY2(titleX >= 22 && titleX <= 24, qPrintable(QString::number(titleX)));
    // Row 0: the value at 22 + 6, the name at 22 + 150 + 6 = 178, nothing between.
    const int valueX = firstInk(img, 0, 150, 30, 50);
    QVERIFY2(valueX >= 28 && valueX <= 31, qPrintable(QString::number(valueX)));
    QCOMPARE(firstInk(img, 40, 178, 30, 50), -1);
    const int nameX = firstInk(img, 178, 300, 30, 50);
    QVERIFY2(nameX >= 178 && nameX <= 181, qPrintable(QString::number(nameX)));
    QCOMPARE(firstInk(img, 0, 300, 72, 80), -1);
}

void TestKeyTips::clickSelectsRow()
{
    DrawKeyCanvas canvas;
    canvas.setItems({{"1", "a"}, {"2", "b"}, {"3", "c"}});
    canvas.resize(300, canvas.height());
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));

    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(200, 75));
    QCOMPARE(canvas.getSelectedIndex(), 2);
    // Neither the title nor the left margin is a row.
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(100, 15));
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(10, 35));
    QCOMPARE(canvas.getSelectedIndex(), 2);
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(22, 30));
    QCOMPARE(canvas.getSelectedIndex(), 0);
    // Rows that were replaced must not be hit before the next paint.
    canvas.setItems({{"1", "a"}});
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(200, 75));
    QCOMPARE(canvas.getSelectedIndex(), 0);
}

void TestKeyTips::wheelScrollsTheList()
{
    QByteArray keys = R"({"keys": [)";
    for (int i = 0; i < 30; ++i)
        keys += QString(R"({"value": "F%1", "name": "功能%1"},)").arg(i).toUtf8();
    writeShortcuts(keys + R"({"value": "99", "name": "末"}]})");

    KeyTipsDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QScrollBar *bar = dialog.getMaster()->findChild<QScrollArea *>("scrollArea")->verticalScrollBar();
    QVERIFY(bar->maximum() > 200);

    auto wheel = [&](DrawKeyCanvas *canvas, int delta) {
        QWheelEvent event(QPointF(100, 50), canvas->mapToGlobal(QPoint(100, 50)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &event);
    };
    const int step = QApplication::wheelScrollLines() * 20;
    wheel(dialog.getMaster()->getCommonCanvas(), -240);
    QCOMPARE(bar->value(), 2 * step);
    wheel(dialog.getMaster()->getNumberCanvas(), 120);
    QCOMPARE(bar->value(), step);
    wheel(dialog.getMaster()->getCommonCanvas(), 12000);
    QCOMPARE(bar->value(), 0);
}

void TestKeyTips::onlyEscapeClosesTheWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true;
    QTest::newRow("Enter presses no button") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
    QTest::newRow("Down scrolls only") << int(Qt::Key_Down) << int(Qt::NoModifier) << false;
}

// The keys go where a person's keys go: to whatever has the focus in the active window.
void TestKeyTips::onlyEscapeClosesTheWindow()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, closes);
    writeShortcuts(R"({"keys": [{"value": "F10", "name": "个股资料"}, {"value": "60", "name": "涨幅排名"}]})");

    KeyTipsDlg dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus && dialog.isAncestorOf(focus), "the shortcut window opens without the keyboard");
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(rejected.count(), closes ? 1 : 0);
    QCOMPARE(dialog.isVisible(), !closes);
}

QTEST_MAIN(TestKeyTips)
#include "tst_keytips.moc"
