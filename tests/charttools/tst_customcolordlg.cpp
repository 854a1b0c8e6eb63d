#include "charttools/colorcontrolwidget.h"
#include "charttools/customcolordlg.h"
#include "window/windowcontrolbox.h"

#include "charttest.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>

namespace {
const QStringList table = {
        "#010101", "#003366", "#000080", "#333399", "#0000ff", "#3366ff", "#666699", "#cc99ff", "#333333", "#9999ff",
        "#33cccc", "#00ccff", "#99ccff", "#ccffff", "#ff00ff", "#ff99cc", "#808080", "#339966", "#00ffff", "#ccffcc",
        "#ffffff", "#ffff99", "#ffcc99", "#800080", "#969696", "#003300", "#00ff00", "#ffff00", "#ffcc00", "#ff9900",
        "#ff0000", "#993366", "#c0c0c0", "#008000", "#99CC00", "#808000", "#333300", "#ff6600", "#993300", "#800000",
};

QAbstractButton *swatch(CustomColorDlg &dialog, int id)
{
    return dialog.findChild<QButtonGroup *>()->button(id);
}
} // namespace

class TestCustomColorDlg : public QObject
{
    Q_OBJECT

private slots:
    void paletteGrid();
    void confirmReportsLowerCaseName_data();
    void confirmReportsLowerCaseName();
    void closingWithoutConfirmSignalsNothing_data();
    void closingWithoutConfirmSignalsNothing();
    void controlPopsPaletteBesideItself();
    void controlSetColorIsSilent();
    void chosenSwatchIsRinged_data();
    void chosenSwatchIsRinged();
    void controlShowsColourLegibly();
    void paletteFromControlIsDrawnActive();
    void paletteGoesWithItsControl();
};

void TestCustomColorDlg::paletteGrid()
{
    CustomColorDlg dialog;
    auto *grid = dialog.findChild<QGridLayout *>();
    QVERIFY(grid);
    QCOMPARE(dialog.findChild<QButtonGroup *>()->buttons().size(), 40);
    for (int i = 0; i < 40; ++i) {
        QAbstractButton *button = swatch(dialog, i);
        QCOMPARE(button->styleSheet(), "background:" + table[i]);
        QVERIFY(button->isCheckable());
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(grid->indexOf(button), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, i / 8);
        QCOMPARE(column, i % 8);
    }
}

void TestCustomColorDlg::confirmReportsLowerCaseName_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::newRow("first is not pure black") << 0 << "#010101";
    QTest::newRow("upper-case entry") << 34 << "#99cc00";
    QTest::newRow("last") << 39 << "#800000";
}

void TestCustomColorDlg::confirmReportsLowerCaseName()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    CustomColorDlg dialog;
    QSignalSpy spy(&dialog, &CustomColorDlg::colorName);
    dialog.show();
    swatch(dialog, id)->click();
    dialog.findChild<QPushButton *>("submit")->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), name);
    QCOMPARE(dialog.color(), QColor(name));
    QVERIFY(!dialog.isVisible());
}

void TestCustomColorDlg::closingWithoutConfirmSignalsNothing_data()
{
    QTest::addColumn<int>("checked");
    QTest::addColumn<QString>("button");
    QTest::newRow("confirm, nothing checked") << -1 << "submit";
    QTest::newRow("cancel") << 5 << "cancel";
    QTest::newRow("close box") << 5 << "closeBtn";
}

void TestCustomColorDlg::closingWithoutConfirmSignalsNothing()
{
    QFETCH(int, checked);
    QFETCH(QString, button);
    CustomColorDlg dialog;
    QSignalSpy spy(&dialog, &CustomColorDlg::colorName);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (checked >= 0)
        swatch(dialog, checked)->click();
    auto *pushButton = dialog.findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    // The close box acts on release, so a press dragged off it still closes.
    QTest::mouseClick(pushButton, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(spy.count(), 0);
    QVERIFY(!dialog.color().isValid());
}

void TestCustomColorDlg::controlPopsPaletteBesideItself()
{
    QWidget window;
    auto *control = new ColorControlWidget(&window);
    window.move(200, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(control, &ColorControlWidget::colorName);

    auto *more = control->findChild<QToolButton *>();
    more->click();
    CustomColorDlg *dialog = visiblePalette();
    QVERIFY(dialog);
    QCOMPARE(dialog->pos(), more->mapToGlobal(QPoint(more->rect().right() + 2, 0)));
    swatch(*dialog, 34)->click();
    dialog->findChild<QPushButton *>("submit")->click();

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QString("#99cc00"));
    QCOMPARE(control->findChild<QLabel *>()->styleSheet(), QString("background:#99cc00"));

    // The palette is only hidden between uses: it comes back with the same swatch checked.
    more->click();
    QCOMPARE(visiblePalette(), dialog);
    QCOMPARE(dialog->findChild<QButtonGroup *>()->checkedId(), 34);
    dialog->findChild<QPushButton *>("cancel")->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(control->findChild<QLabel *>()->styleSheet(), QString("background:#99cc00"));
}

void TestCustomColorDlg::controlSetColorIsSilent()
{
    ColorControlWidget control;
    QSignalSpy spy(&control, &ColorControlWidget::colorName);
    QCOMPARE(control.findChild<QLabel *>()->styleSheet(), QString("background:white"));
    control.setColor("#123456");
    QCOMPARE(control.findChild<QLabel *>()->styleSheet(), QString("background:#123456"));
    QCOMPARE(spy.count(), 0);
}

void TestCustomColorDlg::chosenSwatchIsRinged_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QColor>("ring");
    QTest::newRow("near black: white ring") << 0 << QColor(Qt::white);
    QTest::newRow("white: black ring") << 20 << QColor(Qt::black);
    QTest::newRow("yellow: black ring") << 27 << QColor(Qt::black);
}

void TestCustomColorDlg::chosenSwatchIsRinged()
{
    QFETCH(int, id);
    QFETCH(QColor, ring);
    CustomColorDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QAbstractButton *chosen = swatch(dialog, id);
    const auto isRing = [&](const QColor &c) { return c == ring; };
    const QRect inside = chosen->rect().adjusted(2, 2, -2, -2);
    QCOMPARE(countPixels(chosen->grab().toImage(), isRing, inside), 0);
    chosen->click();
    // A ring all round, a few pixels inside the edge.
    QVERIFY(countPixels(chosen->grab().toImage(), isRing, inside) >= 4 * (inside.width() - 8));
    swatch(dialog, id == 0 ? 1 : 0)->click();
    QCOMPARE(countPixels(chosen->grab().toImage(), isRing, inside), 0);
}

void TestCustomColorDlg::controlShowsColourLegibly()
{
    ColorControlWidget control;
    control.setColor("#ff0000");
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    // A sample, not a sliver, beside a button that shows what it does.
    const QImage image = control.grab().toImage();
    const auto red = [](const QColor &c) { return c == QColor("#ff0000"); };
    QVERIFY(countPixels(image, red, image.rect()) >= 20 * 12);
    auto *more = control.findChild<QToolButton *>();
    QCOMPARE(more->toolTip(), QString("选择颜色"));
    QVERIFY(countPixels(more->grab().toImage(), isDark, more->rect()) > 4);
}

void TestCustomColorDlg::paletteFromControlIsDrawnActive()
{
    QWidget window;
    auto *control = new ColorControlWidget(&window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control->findChild<QToolButton *>()->click();
    CustomColorDlg *dialog = visiblePalette();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    // The pop-up takes the input while the window beneath stays the active one.
    QCOMPARE(QColor(dialog->grab().toImage().pixel(0, dialog->height() / 2)), QColor("#2f2f2f"));
    dialog->hide();
    QVERIFY(!dialog->isActived());
}

// The palette is a window of its own, parented to nothing: the control must delete it, or every
// line or font dialog closed would leave one behind.
void TestCustomColorDlg::paletteGoesWithItsControl()
{
    const auto palettes = [] {
        QList<QPointer<CustomColorDlg>> found;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<CustomColorDlg *>(w))
                found << dialog;
        }
        return found;
    };
    const int before = palettes().size();
    auto *control = new ColorControlWidget;
    control->show();
    QVERIFY(QTest::qWaitForWindowExposed(control));
    control->findChild<QToolButton *>()->click();
    QPointer<CustomColorDlg> palette = visiblePalette();
    QVERIFY(palette);
    QCOMPARE(palettes().size(), before + 1);
    delete control;
    QVERIFY(!palette);
    QCOMPARE(palettes().size(), before);
}

QTEST_MAIN(TestCustomColorDlg)
#include "tst_customcolordlg.moc"
