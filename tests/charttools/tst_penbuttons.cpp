#include "charttools/kwcolorcombobox.h"
#include "charttools/kwcolortoolbutton.h"
#include "charttools/kwpentoolbutton.h"
#include "charttools/kwsampleline.h"

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
} // namespace

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
    void whiteSwatchShowsItsEdge();
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

void TestPenButtons::whiteSwatchShowsItsEdge()
{
    KwColorToolButton button;
    const QImage swatch = iconImage(button.icon(), button.iconSize());
    QCOMPARE(pixelAt(swatch, swatch.width() / 2, swatch.height() / 2), QColor(Qt::white));
    // White on a white button still shows its outline.
    QCOMPARE(pixelAt(swatch, 0, swatch.height() / 2).rgb(), QColor(Qt::black).rgb());
    QCOMPARE(button.accessibleName(), QString("颜色"));
    QVERIFY(button.toolTip().contains("#ffffff"));
}

void TestPenButtons::comboShowsSwatchAndWholeArrow()
{
    KwColorComboBox combo;
    combo.setColor(QColor("#f0b849"));
    combo.resize(300, 30);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    // Filling the face with the swatch must not make the box ask for more room.
    QCOMPARE(combo.size(), QSize(300, 30));
    const QImage face = combo.grab().toImage();
    for (int x : {20, 150, 270})
        QCOMPARE(QColor(face.pixel(x, 15)), QColor("#f0b849"));
    // A whole arrow in the strip beside the swatch: its widest row is not cut in half.
    const int background = qGray(face.pixel(295, 3));
    const auto drawn = [&](const QColor &c) { return qAbs(qGray(c.rgb()) - background) > 60; };
    int widest = 0;
    for (int y = 8; y < 22; ++y)
        widest = qMax(widest, countPixels(face, drawn, QRect(290, y, 8, 1)));
    QVERIFY(widest >= 6);
}

void TestPenButtons::penSamplesReadAndAreNamed()
{
    KwPenStyleButton styles;
    styles.setItems({Qt::SolidLine, Qt::DashLine});
    QCOMPARE(entries(&styles).at(1)->accessibleName(), QString("虚线"));
    entries(&styles).at(1)->click();
    QCOMPARE(styles.toolTip(), QString("线型：虚线"));

    // Long enough to show a pattern, and the white sample still reads on a light button.
    const QImage face = iconImage(styles.icon(), styles.iconSize());
    QImage onLight(face.size(), QImage::Format_ARGB32);
    onLight.fill(QColor("#efefef"));
    QPainter(&onLight).drawImage(0, 0, face);
    const auto visible = [](const QColor &c) { return qGray(c.rgb()) < 200; };
    QVERIFY(countPixels(onLight, visible, QRect(0, face.height() / 2 + 1, face.width(), 1)) >= 12);

    // Drawn with the pixels of a doubled screen, so the line stays sharp there.
    const QPixmap sharp = kwSampleLine(QSize(40, 12), QPen(Qt::red), QLine(8, 5, 32, 5), 2.0);
    QCOMPARE(sharp.size(), QSize(80, 24));
    const QImage image = sharp.toImage();
    QCOMPARE(countPixels(
                     image, [](const QColor &c) { return c == QColor(Qt::red); }, QRect(40, 0, 1, 24)),
             2);
}

QTEST_MAIN(TestPenButtons)
#include "tst_penbuttons.moc"
