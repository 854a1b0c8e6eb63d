#include "charttools/kwcolorcombobox.h"
#include "charttools/kwcolortoolbutton.h"
#include "charttools/kwpentoolbutton.h"

#include "charttest.h"

#include <QColorDialog>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QWidgetAction>

namespace {
// Answers the colour dialog that the next call opens: accept with `pick`, or cancel when
// `pick` is invalid.
void answerColorDialog(const QColor &pick, QString *title)
{
    QTimer::singleShot(200, [pick, title] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        *title = dialog->windowTitle();
        if (!pick.isValid()) {
            dialog->reject();
            return;
        }
        dialog->setCurrentColor(pick);
        dialog->accept();
    });
}

QList<QToolButton *> entries(QToolButton *button)
{
    QList<QToolButton *> list;
    for (QAction *action : button->menu()->actions())
        list.append(qobject_cast<QToolButton *>(static_cast<QWidgetAction *>(action)->defaultWidget()));
    return list;
}
}

class TestPenButtons : public QObject
{
    Q_OBJECT

private slots:
    void colorPick_data();
    void colorPick();
    void setColorSignals();
    void widthSamples_data();
    void widthSamples();
    void clickSelectsItem();
    void valuesOutsideListIgnored();
    void emptyItemsChangeNothing();
    void sizeConstructorNeedsItemSize();
    void colourAppliesToLaterSamples();
    void swatchesShowTheirColour_data();
    void swatchesShowTheirColour();
    void comboShowsSwatchAndWholeArrow();
    void penSamplesReadAndAreNamed();
};

void TestPenButtons::colorPick_data()
{
    QTest::addColumn<bool>("combo");
    QTest::addColumn<QColor>("pick");
    QTest::addColumn<int>("emitted");
    for (bool combo : {true, false}) {
        const char *name = combo ? "combo box" : "tool button";
        QTest::addRow("%s, cancel", name) << combo << QColor() << 0;
        QTest::addRow("%s, same colour", name) << combo << QColor(Qt::white) << 0;
        QTest::addRow("%s, new colour", name) << combo << QColor("#336699") << 1;
    }
}

void TestPenButtons::colorPick()
{
    QFETCH(bool, combo);
    QFETCH(QColor, pick);
    QFETCH(int, emitted);
    KwColorComboBox comboBox;
    KwColorToolButton toolButton;
    QWidget *widget = combo ? static_cast<QWidget *>(&comboBox) : &toolButton;
    widget->resize(80, 24);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    QSignalSpy spy(widget, SIGNAL(colorChanged(QColor)));

    QString title;
    answerColorDialog(pick, &title);
    if (combo)
        comboBox.iconButton()->click();
    else
        toolButton.click();

    QCOMPARE(title, QString("选择颜色"));
    QCOMPARE(spy.count(), emitted);
    const QColor expected = emitted ? pick : QColor(Qt::white);
    QCOMPARE(widget->property("color").value<QColor>(), expected);
    QToolButton *face = combo ? comboBox.iconButton() : static_cast<QToolButton *>(&toolButton);
    const QImage swatch = iconImage(face->icon(), face->iconSize());
    QCOMPARE(pixelAt(swatch, 2, 2), expected);
}

void TestPenButtons::setColorSignals()
{
    KwColorComboBox comboBox;
    QSignalSpy comboSpy(&comboBox, &KwColorComboBox::colorChanged);
    comboBox.setColor(Qt::white);
    QCOMPARE(comboSpy.count(), 1);
    QVERIFY(!comboBox.iconLabel());

    KwColorToolButton toolButton;
    QSignalSpy toolSpy(&toolButton, &KwColorToolButton::colorChanged);
    toolButton.setColor(Qt::red);
    QCOMPARE(toolSpy.count(), 0);
    QCOMPARE(toolButton.color(), QColor(Qt::red));
}

void TestPenButtons::widthSamples_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QPoint>("drawn");
    QTest::addColumn<QPoint>("blank");
    // Entries are 40 x 12, drawn from x 8 to 32 at y = (12 - width) / 2.
    QTest::newRow("width 1 on row 5") << 1 << QPoint(20, 5) << QPoint(20, 7);
    QTest::newRow("width 4 centred on row 4") << 4 << QPoint(20, 2) << QPoint(20, 8);
    QTest::newRow("left margin") << 1 << QPoint(8, 5) << QPoint(6, 5);
    QTest::newRow("right margin") << 1 << QPoint(32, 5) << QPoint(34, 5);
}

void TestPenButtons::widthSamples()
{
    QFETCH(int, width);
    QFETCH(QPoint, drawn);
    QFETCH(QPoint, blank);
    KwPenWidthButton button;
    button.setColor(Qt::red);
    button.setItemIconSize(QSize(40, 12));
    button.setItems({width});
    const QImage image = iconImage(entries(&button).at(0)->icon(), QSize(40, 12));
    QCOMPARE(pixelAt(image, drawn.x(), drawn.y()), QColor(Qt::red));
    QCOMPARE(pixelAt(image, blank.x(), blank.y()).alpha(), 0);
}

void TestPenButtons::clickSelectsItem()
{
    KwPenStyleButton button;
    button.setItemIconSize(QSize(40, 12));
    button.setItems({Qt::SolidLine, Qt::DashLine, Qt::DotLine});
    QCOMPARE(button.penStyle(), Qt::SolidLine);
    QCOMPARE(button.menu()->actions().size(), 3);
    QSignalSpy spy(&button, &KwPenStyleButton::penStyleChanged);

    entries(&button).at(2)->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<Qt::PenStyle>(), Qt::DotLine);
    QCOMPARE(button.penStyle(), Qt::DotLine);
    // The entry's own picture stays on the button.
    QCOMPARE(button.icon().cacheKey(), entries(&button).at(2)->icon().cacheKey());
    // A style sample lies on the middle row.
    const QImage image = iconImage(entries(&button).at(0)->icon(), QSize(40, 12));
    QCOMPARE(pixelAt(image, 20, 6), QColor(Qt::white));

    KwPenWidthButton widths;
    widths.setItems({1, 2, 4});
    QSignalSpy widthSpy(&widths, &KwPenWidthButton::penWidthChanged);
    entries(&widths).at(1)->click();
    QCOMPARE(widthSpy.count(), 1);
    QCOMPARE(widthSpy.at(0).at(0).toInt(), 2);
}

void TestPenButtons::valuesOutsideListIgnored()
{
    KwPenWidthButton widths;
    widths.setItems({1, 2});
    const qint64 icon = widths.icon().cacheKey();
    widths.setPenWidth(3);
    QCOMPARE(widths.penWidth(), 1);
    QCOMPARE(widths.icon().cacheKey(), icon);
    widths.setPenWidth(2);
    QCOMPARE(widths.penWidth(), 2);
    QVERIFY(widths.icon().cacheKey() != icon);

    KwPenStyleButton styles;
    styles.setItems({Qt::SolidLine});
    QSignalSpy spy(&styles, &KwPenStyleButton::penStyleChanged);
    styles.setPenStyle(Qt::DashLine);
    QCOMPARE(styles.penStyle(), Qt::SolidLine);
    QCOMPARE(spy.count(), 0);
}

void TestPenButtons::emptyItemsChangeNothing()
{
    KwPenWidthButton widths;
    widths.setItems({});
    QVERIFY(widths.menu()->actions().isEmpty());
    QCOMPARE(widths.penWidth(), 0);
    QVERIFY(widths.icon().isNull());

    KwPenStyleButton styles;
    styles.setItems({Qt::DashLine});
    const qint64 icon = styles.icon().cacheKey();
    styles.setItems({});
    QCOMPARE(styles.penStyle(), Qt::DashLine);
    QCOMPARE(styles.icon().cacheKey(), icon);
    QCOMPARE(styles.menu()->actions().size(), 1);
}

void TestPenButtons::sizeConstructorNeedsItemSize()
{
    KwPenToolButton sized(QSize(30, 10));
    QCOMPARE(sized.iconSize(), QSize(30, 10));
    QCOMPARE(sized.itemIconSize(), QSize(-1, -1));

    // Without an item size the entries get null pictures, and nothing is painted on them.
    KwPenWidthButton widths;
    widths.setItemIconSize(sized.itemIconSize());
    widths.setItems({2});
    QVERIFY(entries(&widths).at(0)->icon().isNull());
    widths.setItemIconSize(QSize(30, 10));
    widths.setItems({3});
    QVERIFY(!entries(&widths).at(1)->icon().isNull());
}

void TestPenButtons::colourAppliesToLaterSamples()
{
    KwPenWidthButton widths;
    widths.setIconSize(QSize(40, 12));
    widths.setItemIconSize(QSize(40, 12));
    widths.setItems({1, 2});
    widths.setColor(Qt::green);
    QCOMPARE(pixelAt(iconImage(entries(&widths).at(0)->icon(), QSize(40, 12)), 20, 5), QColor(Qt::white));
    widths.setPenWidth(2);
    QCOMPARE(pixelAt(iconImage(widths.icon(), QSize(40, 12)), 20, 5), QColor(Qt::green));
    widths.setItems({1});
    QCOMPARE(pixelAt(iconImage(entries(&widths).at(2)->icon(), QSize(40, 12)), 20, 5), QColor(Qt::green));
}

void TestPenButtons::swatchesShowTheirColour_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QColor>("edge");
    QTest::newRow("white, edged dark") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("near black, edged light") << QColor("#010101") << QColor(Qt::white);
    QTest::newRow("red") << QColor("#ff4d4f") << QColor(Qt::black);
}

void TestPenButtons::swatchesShowTheirColour()
{
    QFETCH(QColor, color);
    QFETCH(QColor, edge);
    KwColorToolButton button;
    button.setColor(color);
    const QSize size = button.iconSize();
    const QImage swatch = iconImage(button.icon(), size);
    QCOMPARE(pixelAt(swatch, size.width() / 2, size.height() / 2), color);
    // White on a white button and black on a black one still show their outline.
    const QColor rim = pixelAt(swatch, 0, size.height() / 2);
    QVERIFY(rim.alpha() > 0);
    QCOMPARE(rim.rgb(), edge.rgb());
    QCOMPARE(button.accessibleName(), QString("颜色"));
    QVERIFY2(button.toolTip().contains(color.name()), qPrintable(button.toolTip()));
}

void TestPenButtons::comboShowsSwatchAndWholeArrow()
{
    KwColorComboBox combo;
    combo.setColor(QColor("#f0b849"));
    combo.resize(300, 30);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    // The swatch is drawn as large as the face; that must not make the box ask for more room.
    QCOMPARE(combo.size(), QSize(300, 30));
    const QImage face = combo.grab().toImage();
    // The swatch covers the face, not a dash in its middle.
    for (int x : {20, 150, 270})
        QCOMPARE(QColor(face.pixel(x, 15)), QColor("#f0b849"));
    // The arrow lies whole in the strip beside the swatch, not half under it.
    const QRect strip(290, 0, 10, 30);
    const QColor background(face.pixel(strip.center().x(), 3));
    const auto differs = [&](const QColor &c) { return qAbs(qGray(c.rgb()) - qGray(background.rgb())) > 60; };
    int widest = 0;
    for (int y = 8; y < 22; ++y)
        widest = qMax(widest, countPixels(face, differs, QRect(strip.left(), y, strip.width() - 2, 1)));
    QVERIFY2(widest >= 6, qPrintable(QString::number(widest)));
    QVERIFY(combo.iconButton()->toolTip().contains("#f0b849"));
    QCOMPARE(combo.iconButton()->accessibleName(), QString("颜色"));
}

void TestPenButtons::penSamplesReadAndAreNamed()
{
    KwPenStyleButton styles;
    styles.setItems({Qt::SolidLine, Qt::DashLine});
    QCOMPARE(styles.accessibleName(), QString("线型"));
    QCOMPARE(styles.toolTip(), QString("线型：实线"));
    QCOMPARE(entries(&styles).at(1)->toolTip(), QString("虚线"));
    QCOMPARE(entries(&styles).at(1)->accessibleName(), QString("虚线"));
    entries(&styles).at(1)->click();
    QCOMPARE(styles.toolTip(), QString("线型：虚线"));

    // A line long enough to show its pattern, not a stub between the margins.
    const QImage face = iconImage(styles.icon(), styles.iconSize());
    const auto white = [](const QColor &c) { return c == QColor(Qt::white); };
    QVERIFY(countPixels(face, white, QRect(0, face.height() / 2, face.width(), 1)) >= 12);

    // The white sample reads on a light button too.
    QImage onLight(face.size(), QImage::Format_ARGB32);
    onLight.fill(QColor("#efefef"));
    QPainter(&onLight).drawImage(0, 0, face);
    QVERIFY(countPixels(onLight, [](const QColor &c) { return qGray(c.rgb()) < 200; }) >= 12);

    KwPenWidthButton widths;
    widths.setItems({1, 3});
    widths.setPenWidth(3);
    QCOMPARE(widths.toolTip(), QString("线宽：3 像素"));
    QCOMPARE(entries(&widths).at(0)->accessibleName(), QString("1 像素"));
}

QTEST_MAIN(TestPenButtons)
#include "tst_penbuttons.moc"
