#include "kwcfg.h"
#include "widgets/drawkeycanvas.h"
#include "widgets/keytipsdlg.h"
#include "widgets/keytipsmaster.h"
#include "window/titlebar.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

namespace {
// Rows as "value|name", the way a reader checks the list.
QStringList rows(const DrawKeyCanvas *canvas)
{
    QStringList out;
    for (const auto &item : canvas->getItems())
        out << item.first + "|" + item.second;
    return out;
}

int heightFor(int rowCount)
{
    return rowCount == 0 ? 338 : (rowCount + 2) * 20;
}

// The leftmost column between x0 and x1 (exclusive) where the band y0..y1 differs from the
// canvas background; -1 when there is none.
int firstInk(const QImage &img, int x0, int x1, int y0, int y1)
{
    const QRgb background = QColor("#191919").rgb();
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y)
            if (img.pixel(x, y) != background)
                return x;
    return -1;
}
}

class TestKeyTips : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sortsEntriesIntoColumns_data();
    void sortsEntriesIntoColumns();
    void canvasHeight_data();
    void canvasHeight();
    void paintsColumnsWhereTheyBelong();
    void clickSelectsRow();
    void wheelScrollsTheList();
    void dialogFrame();

private:
    void writeShortcuts(const QByteArray &content);

    QTemporaryDir m_allUsers;
    QString m_shortcutFile;
};

void TestKeyTips::initTestCase()
{
    QVERIFY(m_allUsers.isValid());
    qputenv("KW_ALLUSERS_DIR", m_allUsers.path().toUtf8());
    m_shortcutFile = m_allUsers.path() + "/keys.json";
    QVERIFY(QDir().mkpath(m_allUsers.path() + "/config"));
    QFile cfg(m_allUsers.path() + "/config/kwcfg.json");
    QVERIFY(cfg.open(QIODevice::WriteOnly));
    cfg.write(R"({"shortcutFile": "../keys.json"})");
    cfg.close();
    Kwcfg::getInstance()->loadCfg();
    QCOMPARE(Kwcfg::getInstance()->getShortCutCfgPath(), m_shortcutFile);
}

void TestKeyTips::writeShortcuts(const QByteArray &content)
{
    QFile::remove(m_shortcutFile);
    if (content.isNull())
        return;
    QFile file(m_shortcutFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TestKeyTips::sortsEntriesIntoColumns_data()
{
    QTest::addColumn<QByteArray>("content");    // null: no file at all
    QTest::addColumn<QStringList>("common");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<bool>("notice");

    QTest::newRow("digits only go to the numbers, in file order")
        << QByteArray(R"({"keys": [{"value": "F10", "name": "个股资料"}, {"value": "60", "name": "涨幅排名"},
                                  {"value": "Ctrl+Z", "name": "加入自选股"}, {"value": "60a", "name": "甲"},
                                  {"value": "01", "name": "成交明细"}]})")
        << QStringList{"F10|个股资料", "Ctrl+Z|加入自选股", "60a|甲"}
        << QStringList{"60|涨幅排名", "01|成交明细"} << false;
    QTest::newRow("empty value counts as digits, wide digits do not")
        << QByteArray(R"({"keys": [{"value": "", "name": "空"}, {"value": "６０", "name": "全角"},
                                  {"value": "↑/↓", "name": "放大/缩小K线"}]})")
        << QStringList{"６０|全角", "↑/↓|放大/缩小K线"} << QStringList{"|空"} << false;
    QTest::newRow("missing members show empty text")
        << QByteArray(R"({"keys": [{"name": "no value"}, {"value": "F1"}, {"value": 7, "name": "number"}]})")
        << QStringList{"F1|"} << QStringList{"|no value", "|number"} << false;
    QTest::newRow("no keys array") << QByteArray(R"({"keys": {"value": "F1"}})") << QStringList{}
                                   << QStringList{} << false;
    QTest::newRow("empty list") << QByteArray(R"({"keys": []})") << QStringList{} << QStringList{} << false;
    QTest::newRow("malformed JSON") << QByteArray(R"({"keys": [{"value": "F1", "name": "x"},)")
                                    << QStringList{} << QStringList{} << true;
    QTest::newRow("file cannot be opened") << QByteArray() << QStringList{} << QStringList{} << true;
}

void TestKeyTips::sortsEntriesIntoColumns()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, common);
    QFETCH(QStringList, numbers);
    QFETCH(bool, notice);

    writeShortcuts(content);
    if (content.isNull())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^file open failed\\.\\.\\. \".+\"$"));
    else if (notice)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^shortcut file parse failed"));
    KeyTipsDlg dialog;
    const KeyTipsMaster *master = dialog.getMaster();

    QCOMPARE(rows(master->getCommonCanvas()), common);
    QCOMPARE(rows(master->getNumberCanvas()), numbers);
    QCOMPARE(master->getCommonCanvas()->height(), heightFor(common.size()));
    QCOMPARE(master->getNumberCanvas()->height(), heightFor(numbers.size()));
    QCOMPARE(master->getCommonCanvas()->getNotice().isEmpty(), !notice);
    QVERIFY(master->getNumberCanvas()->getNotice().isEmpty());
}

void TestKeyTips::canvasHeight_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");

    QTest::newRow("three rows") << 3 << 3;
    QTest::newRow("rows to none") << 5 << 0;
    QTest::newRow("none to one row") << 0 << 1;
    QTest::newRow("many rows") << 40 << 2;
}

void TestKeyTips::canvasHeight()
{
    QFETCH(int, first);
    QFETCH(int, second);

    DrawKeyCanvas canvas;
    canvas.resize(300, 100);
    QList<DrawKeyCanvas::KeyItem> items;
    for (int i = 0; i < qMax(first, second); ++i)
        items << DrawKeyCanvas::KeyItem(QString::number(i), "name");

    canvas.setItems(items.mid(0, first));
    QCOMPARE(canvas.height(), heightFor(first));
    canvas.setItems(items.mid(0, second));
    QCOMPARE(canvas.height(), heightFor(second));
    QCOMPARE(canvas.minimumHeight(), canvas.maximumHeight());
}

void TestKeyTips::paintsColumnsWhereTheyBelong()
{
    DrawKeyCanvas canvas;
    canvas.setTitle("> 常用快捷键");
    canvas.setItems({{"1", "成交明细"}, {"F5", "分时"}});
    canvas.resize(300, canvas.height());
    const QImage img = canvas.grab().toImage();

    QCOMPARE(img.size(), QSize(300, 80));
    QCOMPARE(QColor(img.pixel(0, 0)), QColor("#191919"));
    QCOMPARE(QColor(img.pixel(299, 79)), QColor("#191919"));
    // Nothing left of the text column; the title starts there in its own colour.
    QCOMPARE(firstInk(img, 0, 22, 0, 80), -1);
    const int titleX = firstInk(img, 0, 300, 10, 30);
    QVERIFY2(titleX >= 22 && titleX <= 24, qPrintable(QString::number(titleX)));
    bool orange = false;
    for (int x = 22; x < 120 && !orange; ++x)
        for (int y = 10; y < 30 && !orange; ++y)
            orange = QColor(img.pixel(x, y)) == QColor("#EE9236");
    QVERIFY(orange);

    // Row 0: the value at 22 + 6, the name at 22 + 150 + 6 = 178.
    const int valueX = firstInk(img, 0, 150, 30, 50);
    QVERIFY2(valueX >= 28 && valueX <= 31, qPrintable(QString::number(valueX)));
    QCOMPARE(firstInk(img, 40, 178, 30, 50), -1);
    const int nameX = firstInk(img, 178, 300, 30, 50);
    QVERIFY2(nameX >= 178 && nameX <= 181, qPrintable(QString::number(nameX)));
    // Row 1 one row lower; below it the canvas stays empty.
    QVERIFY(firstInk(img, 178, 300, 50, 70) >= 178);
    QCOMPARE(firstInk(img, 0, 300, 72, 80), -1);
    QCOMPARE(canvas.getRowRects().value(1), QRect(22, 50, 300, 20));
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
    // The title and the left margin are no rows: the selection stays.
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(100, 15));
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(10, 35));
    QCOMPARE(canvas.getSelectedIndex(), 2);
    QTest::mouseClick(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
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
    keys += R"({"value": "99", "name": "末"}]})";
    writeShortcuts(keys);

    KeyTipsDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    DrawKeyCanvas *canvas = dialog.getMaster()->getCommonCanvas();
    QScrollBar *bar = dialog.getMaster()->findChild<QScrollArea *>("scrollArea")->verticalScrollBar();
    QVERIFY(bar->maximum() > 200);
    QCOMPARE(bar->value(), 0);

    const int step = QApplication::wheelScrollLines() * 20;
    auto wheel = [&](int delta) {
        const QPoint at(100, 100);
        QWheelEvent event(at, canvas->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &event);
    };
    wheel(-120);
    QCOMPARE(bar->value(), step);
    wheel(-240);
    QCOMPARE(bar->value(), 3 * step);
    wheel(120);
    QCOMPARE(bar->value(), 2 * step);
    wheel(12000);
    QCOMPARE(bar->value(), 0);
}

void TestKeyTips::dialogFrame()
{
    writeShortcuts(R"({"keys": [{"value": "F1", "name": "成交明细"}]})");
    KeyTipsDlg dialog;
    QCOMPARE(dialog.minimumSize(), QSize(672, 338));
    QCOMPARE(dialog.maximumSize(), QSize(672, 338));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(672, 338));

    const auto *title = dialog.getTilte()->findChild<QLabel *>("titleName");
    QCOMPARE(title->text(), QString("快捷键提示"));
    QCOMPARE(title->alignment(), Qt::AlignCenter);
    QVERIFY(dialog.getTilte()->findChild<QPushButton *>("closeBtn")->isVisible());
    QVERIFY(!dialog.getTilte()->findChild<QPushButton *>("minBtn")->isVisible());
    QVERIFY(!dialog.getTilte()->findChild<QPushButton *>("expandBtn")->isVisible());

    // Keys typed in the list stay there: Escape does not close the window.
    QTest::keyClick(dialog.getMaster(), Qt::Key_Escape);
    QVERIFY(dialog.isVisible());

    // The two columns share the width on either side of the separator.
    const DrawKeyCanvas *common = dialog.getMaster()->getCommonCanvas();
    const DrawKeyCanvas *numbers = dialog.getMaster()->getNumberCanvas();
    QVERIFY(common->width() > 250);
    QVERIFY(qAbs(common->width() - numbers->width()) <= 2);
    QVERIFY(numbers->x() > common->x() + common->width());
}

QTEST_MAIN(TestKeyTips)
#include "tst_keytips.moc"
