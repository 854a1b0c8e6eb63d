#include "charttools/drawlinetextpanel.h"
#include "charttools/fontpropertydlg.h"

#include "charttest.h"

#include <QComboBox>
#include <QPainter>
#include <QTextEdit>

namespace {
DrawLineTextItem textItem(const QString &key, const QString &text, const QColor &color, int spacing)
{
    DrawLineTextItem item;
    item.font.setPixelSize(20);
    item.font.setBold(true);
    item.pen = QPen(color);
    item.text = text;
    item.key = key;
    item.spacing = spacing;
    return item;
}

// The first and last column holding a pixel that passes `test`, or (-1, -1).
template <typename Test>
QPair<int, int> columnsWhere(const QImage &image, Test test)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (countPixels(image, test, QRect(x, 0, 1, image.height())) > 0) {
            first = first < 0 ? x : first;
            last = x;
        }
    }
    return {first, last};
}

QPair<int, int> columnsOf(const QImage &image, const QColor &color)
{
    return columnsWhere(image, [&](const QColor &c) { return c == color; });
}

// The room a piece takes: its advance, the distance to where the next text would start.
int textWidth(const DrawLineTextItem &item)
{
    return QFontMetrics(item.font).horizontalAdvance(item.text);
}
} // namespace

class TestFontPropertyDlg : public QObject
{
    Q_OBJECT

private slots:
    void confirmWithoutInitReportsDefaults();
    void clickTogglesFlagSetByInit_data();
    void clickTogglesFlagSetByInit();
    void editsAndColourPreview();
    void cancelEmitsNothing();
    void panelKeys();
    void panelLaysOutLeftToRight();
    void panelShowsWholeText_data();
    void panelShowsWholeText();
    void styleTogglesReadWithoutStyleSheet_data();
    void styleTogglesReadWithoutStyleSheet();
};

void TestFontPropertyDlg::confirmWithoutInitReportsDefaults()
{
    FontPropertyDlg dialog;
    QSignalSpy spy(&dialog, &FontPropertyDlg::styleChanged);
    dialog.show();
    dialog.findChild<QPushButton *>("submit")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(spy.count(), 1);
    const auto style = spy.at(0).at(0).value<FontStyle>();
    QVERIFY(!style.isBold);
    QVERIFY(!style.istilt);
    QVERIFY(!style.isUnderLine);
    QCOMPARE(style.pointSize, 11);
    QCOMPARE(style.strFamily, QString("宋体"));
    QCOMPARE(style.strText, QString());
    QVERIFY(style.strColor.isNull());
}

void TestFontPropertyDlg::clickTogglesFlagSetByInit_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("bold") << "bold";
    QTest::newRow("tilt") << "tilt";
    QTest::newRow("underline") << "underline";
}

void TestFontPropertyDlg::clickTogglesFlagSetByInit()
{
    QFETCH(QString, button);
    FontStyle style;
    style.isBold = style.istilt = style.isUnderLine = true;
    FontPropertyDlg dialog;
    dialog.init(style);
    auto *toggle = dialog.findChild<QPushButton *>(button);
    QVERIFY(toggle->isChecked());
    toggle->click();
    QVERIFY(!toggle->isChecked());
    const FontStyle after = dialog.fontStyle();
    QCOMPARE(after.isBold, button != "bold");
    QCOMPARE(after.istilt, button != "tilt");
    QCOMPARE(after.isUnderLine, button != "underline");
}

void TestFontPropertyDlg::editsAndColourPreview()
{
    FontStyle style;
    style.strText = "支撑位";
    style.strColor = "#ff0000";
    style.pointSize = 14;
    FontPropertyDlg dialog;
    dialog.init(style);
    auto *edit = dialog.findChild<QTextEdit *>();
    QCOMPARE(edit->toPlainText(), QString("支撑位"));
    QCOMPARE(edit->styleSheet(), QString("color:#ff0000"));
    QCOMPARE(dialog.findChild<QComboBox *>("sizebox")->currentText(), QString("14"));

    dialog.show();
    pickSwatch(dialog.findChild<ColorControlWidget *>(), 4);
    QCOMPARE(edit->styleSheet(), QString("color:#0000ff"));
    edit->setPlainText("压力位");
    dialog.findChild<QComboBox *>("sizebox")->setCurrentText("20");

    QSignalSpy spy(&dialog, &FontPropertyDlg::styleChanged);
    dialog.findChild<QPushButton *>("submit")->click();
    QCOMPARE(spy.count(), 1);
    const auto result = spy.at(0).at(0).value<FontStyle>();
    QCOMPARE(result.strColor, QString("#0000ff"));
    QCOMPARE(result.strText, QString("压力位"));
    QCOMPARE(result.pointSize, 20);
}

void TestFontPropertyDlg::cancelEmitsNothing()
{
    FontPropertyDlg dialog;
    QSignalSpy spy(&dialog, &FontPropertyDlg::styleChanged);
    dialog.show();
    dialog.findChild<QPushButton *>("bold")->click();
    dialog.findChild<QPushButton *>("cancel")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(spy.count(), 0);
}

void TestFontPropertyDlg::panelKeys()
{
    DrawLineTextPanel panel;
    panel.addItem(textItem("a", "first", Qt::red, 0), true);
    panel.addItem(textItem("a", "duplicate", Qt::blue, 0), true);
    panel.addItem(textItem("", "no key", Qt::blue, 0), true);
    QCOMPARE(panel.getItem("a").text, QString("first"));
    QCOMPARE(panel.getItem("").key, QString());
    QCOMPARE(panel.getItem("b").key, QString());
    QCOMPARE(panel.getItem("b").spacing, 0);

    panel.setItem(textItem("b", "absent", Qt::blue, 0), true);
    QCOMPARE(panel.getItem("b").key, QString());
    panel.setItem(textItem("a", "replaced", Qt::green, 4), false);
    QCOMPARE(panel.getItem("a").text, QString("replaced"));
    QCOMPARE(panel.getItem("a").spacing, 4);

    panel.remove("b", true);
    QCOMPARE(panel.getItem("a").key, QString("a"));
    panel.remove("a", true);
    QCOMPARE(panel.getItem("a").key, QString());
    panel.addItems({textItem("x", "1", Qt::red, 0), textItem("y", "2", Qt::red, 0)}, true);
    panel.removeAll(true);
    QCOMPARE(panel.getItem("x").key, QString());
}

void TestFontPropertyDlg::panelLaysOutLeftToRight()
{
    DrawLineTextPanel panel;
    panel.resize(400, 30);
    const DrawLineTextItem red = textItem("r", "MA5", Qt::red, 0);
    const DrawLineTextItem blue = textItem("b", "MA10", Qt::blue, 15);
    panel.addItems({red, blue}, false);

    QImage image = panel.grab().toImage();
    const auto redColumns = columnsOf(image, Qt::red);
    const auto blueColumns = columnsOf(image, Qt::blue);
    QVERIFY(redColumns.first >= 0 && blueColumns.first >= 0);
    QVERIFY(redColumns.second < textWidth(red));
    QVERIFY(blueColumns.first >= textWidth(red) + 15);

    // A longer text is measured again and pushes its neighbour to the right.
    DrawLineTextItem longer = red;
    longer.text = "MA5 移动平均";
    panel.setItem(longer, false);
    image = panel.grab().toImage();
    QVERIFY(columnsOf(image, Qt::blue).first >= textWidth(longer) + 15);
}

void TestFontPropertyDlg::panelShowsWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("italic");
    QTest::newRow("colour name") << "自定义颜色 #ff0000" << false;
    QTest::newRow("arrow setting") << "箭头 #f0b849 宽3" << false;
    QTest::newRow("italic leans past its advance") << "MA5 移动平均" << true;
}

void TestFontPropertyDlg::panelShowsWholeText()
{
    QFETCH(QString, text);
    QFETCH(bool, italic);
    // The item leaves family and size to the panel, as a page's font does before its style
    // sheet reaches it: the piece is drawn in the panel's large font and must be measured so.
    DrawLineTextItem item{QFont(), QPen(Qt::red), text, "k", 6};
    item.font.setItalic(italic);
    DrawLineTextPanel panel;
    QFont large = panel.font();
    large.setPixelSize(26);
    panel.setFont(large);
    panel.addItem(item, false);
    panel.resize(600, 40);

    QImage reference(panel.size(), QImage::Format_ARGB32);
    reference.fill(Qt::white);
    QPainter painter(&reference);
    large.setItalic(italic);
    painter.setFont(large);
    painter.setPen(Qt::red);
    painter.drawText(QRect(QPoint(6, 0), reference.size()), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.end();

    const auto redInk = [](const QColor &c) { return c.red() - qMax(c.green(), c.blue()) > 80; };
    const auto whole = columnsWhere(reference, redInk);
    QVERIFY(whole.second > 100);
    QCOMPARE(columnsWhere(panel.grab().toImage(), redInk), whole);
    QVERIFY(panel.sizeHint().width() > whole.second);
}

void TestFontPropertyDlg::styleTogglesReadWithoutStyleSheet_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::newRow("no style sheet") << QString();
    QTest::newRow("flat style sheet")
            << "QPushButton { background: #1a2530; border: 1px solid #2b3a47; color: #000000; }";
}

void TestFontPropertyDlg::styleTogglesReadWithoutStyleSheet()
{
    QFETCH(QString, sheet);
    TypePanel panel;
    panel.setStyleSheet(sheet);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const QStringList tips{"粗体", "斜体", "下划线"};
    const QStringList names{"bold", "tilt", "underline"};
    for (int i = 0; i < names.size(); ++i) {
        auto *toggle = panel.findChild<QPushButton *>(names[i]);
        QCOMPARE(toggle->toolTip(), tips[i]);
        QCOMPARE(toggle->accessibleName(), tips[i]);
        // A small square showing its letter, not a blank box as wide as a text button.
        QVERIFY(toggle->width() <= toggle->height() + 8);
        const QImage off = toggle->grab().toImage();
        QVERIFY(countPixels(off, isDark, off.rect()) > 5);
        toggle->setChecked(true);
        QVERIFY(toggle->grab().toImage() != off);
    }
}

QTEST_MAIN(TestFontPropertyDlg)
#include "tst_fontpropertydlg.moc"
