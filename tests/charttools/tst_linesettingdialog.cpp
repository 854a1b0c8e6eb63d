#include "charttools/fontpropertydlg.h"
#include "charttools/linecontrol.h"
#include "charttools/linesettingdialog.h"
#include "window/titlebar.h"

#include "charttest.h"

#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include <memory>

namespace {
QStringList messages;

void collect(QtMsgType, const QMessageLogContext &, const QString &text)
{
    messages.append(text);
}

QToolButton *entry(QToolButton *control, int value)
{
    return control->menu()->findChild<QToolButton *>(QString("menubtn%1").arg(value));
}

QImage faceOf(QToolButton *button)
{
    return iconImage(button->icon(), QSize(80, 12));
}
} // namespace

class TestLineSettingDialog : public QObject
{
    Q_OBJECT

private slots:
    void pickerSamples_data();
    void pickerSamples();
    void pickerReportsValue();
    void defaultOutsideRangeKeepsIcon_data();
    void defaultOutsideRangeKeepsIcon();
    void lineConfirmWithoutInit();
    void linePicksThenConfirmOrCancel_data();
    void linePicksThenConfirmOrCancel();
    void lineInitDataIsSilent();
    void arrowConfirmAndCancel();
    void labelsLineUp_data();
    void labelsLineUp();
    void settingsFrame_data();
    void settingsFrame();
};

void TestLineSettingDialog::pickerSamples_data()
{
    QTest::addColumn<bool>("widths");
    QTest::addColumn<int>("value");
    QTest::addColumn<QPoint>("drawn");
    QTest::addColumn<QPoint>("blank");
    QTest::newRow("width 1 stays on row 5") << true << 1 << QPoint(30, 5) << QPoint(30, 7);
    QTest::newRow("width 4 reaches row 3") << true << 4 << QPoint(30, 3) << QPoint(30, 9);
    QTest::newRow("line ends at 63") << true << 2 << QPoint(62, 5) << QPoint(70, 5);
    QTest::newRow("solid style starts at 5") << false << 1 << QPoint(5, 5) << QPoint(2, 5);
}

void TestLineSettingDialog::pickerSamples()
{
    QFETCH(bool, widths);
    QFETCH(int, value);
    QFETCH(QPoint, drawn);
    QFETCH(QPoint, blank);
    LineControl widthControl;
    LineTypeControl styleControl;
    QToolButton *control = widths ? static_cast<QToolButton *>(&widthControl) : &styleControl;
    const QImage image = faceOf(entry(control, value));
    QCOMPARE(pixelAt(image, drawn.x(), drawn.y()), QColor(Qt::white));
    QCOMPARE(pixelAt(image, blank.x(), blank.y()).alpha(), 0);
}

void TestLineSettingDialog::pickerReportsValue()
{
    LineControl widthControl;
    QSignalSpy widthSpy(&widthControl, &LineControl::setLineWidth);
    entry(&widthControl, 3)->click();
    QCOMPARE(widthSpy.count(), 1);
    QCOMPARE(widthSpy.at(0).at(0).toInt(), 3);
    QCOMPARE(faceOf(&widthControl), faceOf(entry(&widthControl, 3)));
    QVERIFY(!entry(&widthControl, 5));

    LineTypeControl styleControl;
    QSignalSpy styleSpy(&styleControl, &LineTypeControl::setLineStyle);
    entry(&styleControl, 5)->click();
    QCOMPARE(styleSpy.count(), 1);
    QCOMPARE(styleSpy.at(0).at(0).value<Qt::PenStyle>(), Qt::DashDotDotLine);
    QCOMPARE(faceOf(&styleControl), faceOf(entry(&styleControl, 5)));
    // A dotted sample has gaps a solid one lacks.
    QVERIFY(faceOf(entry(&styleControl, 3)) != faceOf(entry(&styleControl, 1)));
}

void TestLineSettingDialog::defaultOutsideRangeKeepsIcon_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << 0;
    QTest::newRow("one past the end") << 5;
    QTest::newRow("negative") << -1;
}

void TestLineSettingDialog::defaultOutsideRangeKeepsIcon()
{
    QFETCH(int, value);
    LineControl widthControl;
    widthControl.setDefalutLineWidth(2);
    const QImage before = faceOf(&widthControl);
    QCOMPARE(before, faceOf(entry(&widthControl, 2)));
    widthControl.setDefalutLineWidth(value);
    QCOMPARE(faceOf(&widthControl), before);

    LineTypeControl styleControl;
    styleControl.setDefaultPenStyle(Qt::DotLine);
    // Pen styles beyond the entries, as Qt::PenStyle can hold them (-1 is not one).
    styleControl.setDefaultPenStyle(value == 5 ? Qt::CustomDashLine : value < 0 ? Qt::MPenStyle : Qt::PenStyle(value));
    QCOMPARE(faceOf(&styleControl), faceOf(entry(&styleControl, 3)));
}

void TestLineSettingDialog::lineConfirmWithoutInit()
{
    LineSettingDialog dialog;
    QSignalSpy spy(&dialog, &LineSettingDialog::settingChanged);
    dialog.show();
    dialog.findChild<QPushButton *>("submit")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(spy.count(), 1);
    const auto setting = spy.at(0).at(0).value<LineSetting>();
    QCOMPARE(setting.strColor, QString());
    QCOMPARE(setting.nWidth, 1);
    QCOMPARE(setting.penStyle, Qt::NoPen);
}

void TestLineSettingDialog::linePicksThenConfirmOrCancel_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("emitted");
    QTest::newRow("confirm") << "submit" << 1;
    QTest::newRow("cancel") << "cancel" << 0;
}

void TestLineSettingDialog::linePicksThenConfirmOrCancel()
{
    QFETCH(QString, button);
    QFETCH(int, emitted);
    LineSettingDialog dialog;
    QSignalSpy spy(&dialog, &LineSettingDialog::settingChanged);
    dialog.show();
    pickSwatch(dialog.findChild<ColorControlWidget *>(), 6);
    entry(dialog.findChild<LineControl *>(), 4)->click();
    entry(dialog.findChild<LineTypeControl *>(), 2)->click();
    dialog.findChild<QPushButton *>(button)->click();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(spy.count(), emitted);
    // Cancel keeps the picks in the dialog; it only does not publish them.
    const LineSetting setting = dialog.lineSetting();
    QCOMPARE(setting.strColor, QString("#666699"));
    QCOMPARE(setting.nWidth, 4);
    QCOMPARE(setting.penStyle, Qt::DashLine);
    if (emitted)
        QCOMPARE(spy.at(0).at(0).value<LineSetting>().penStyle, Qt::DashLine);
}

void TestLineSettingDialog::lineInitDataIsSilent()
{
    LineSettingDialog dialog;
    QSignalSpy spy(&dialog, &LineSettingDialog::settingChanged);
    messages.clear();
    QtMessageHandler previous = qInstallMessageHandler(collect);
    dialog.initData({"#ff0000", 3, Qt::DotLine});
    qInstallMessageHandler(previous);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(messages, QStringList());

    QCOMPARE(dialog.lineSetting().strColor, QString("#ff0000"));
    auto *widthControl = dialog.findChild<LineControl *>();
    auto *styleControl = dialog.findChild<LineTypeControl *>();
    QCOMPARE(faceOf(widthControl), faceOf(entry(widthControl, 3)));
    QCOMPARE(faceOf(styleControl), faceOf(entry(styleControl, 3)));
    QCOMPARE(dialog.findChild<ColorControlWidget *>()->findChild<QLabel *>()->styleSheet(),
             QString("background:#ff0000"));
}

void TestLineSettingDialog::arrowConfirmAndCancel()
{
    ArrowSettingDialog dialog;
    QSignalSpy spy(&dialog, &ArrowSettingDialog::settingChanged);
    dialog.initData({"#00ff00", 2});
    QCOMPARE(spy.count(), 0);
    auto *widthControl = dialog.findChild<LineControl *>();
    QCOMPARE(faceOf(widthControl), faceOf(entry(widthControl, 2)));

    dialog.show();
    entry(widthControl, 4)->click();
    dialog.findChild<QPushButton *>("cancel")->click();
    QCOMPARE(spy.count(), 0);

    dialog.show();
    pickSwatch(dialog.findChild<ColorControlWidget *>(), 30);
    dialog.findChild<QPushButton *>("submit")->click();
    QCOMPARE(spy.count(), 1);
    const auto setting = spy.at(0).at(0).value<ArrowSetting>();
    QCOMPARE(setting.strColor, QString("#ff0000"));
    QCOMPARE(setting.nWidth, 4);
}

void TestLineSettingDialog::labelsLineUp_data()
{
    QTest::addColumn<bool>("arrow");
    QTest::newRow("line") << false;
    QTest::newRow("arrow") << true;
}

void TestLineSettingDialog::labelsLineUp()
{
    QFETCH(bool, arrow);
    LineSettingDialog line;
    ArrowSettingDialog arrows;
    QDialog *dialog = arrow ? static_cast<QDialog *>(&arrows) : &line;
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    // The colour row is centred like the others but holds a narrower control.
    auto *center = dialog->findChild<QWidget *>("center");
    const QList<QLabel *> labels = center->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(labels.size(), arrow ? 2 : 3);
    for (QLabel *label : labels)
        QCOMPARE(label->x(), labels.first()->x());
}

void TestLineSettingDialog::settingsFrame_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("heading");
    QTest::newRow("line") << "line"
                          << "基本线条配置";
    QTest::newRow("arrow") << "arrow"
                           << "指示箭头配置";
    QTest::newRow("font") << "font"
                          << "文字属性配置";
}

// The line, arrow and font dialogs share one frame: the same title beside a close button alone,
// one "body" column filling the dialog that opens with the dialog's own heading and ends with
// confirm left of cancel, and cancel rejecting.
void TestLineSettingDialog::settingsFrame()
{
    QFETCH(QString, kind);
    QFETCH(QString, heading);
    std::unique_ptr<PopupTwinkleFrameDialog> dialog;
    if (kind == "line")
        dialog = std::make_unique<LineSettingDialog>();
    else if (kind == "arrow")
        dialog = std::make_unique<ArrowSettingDialog>();
    else
        dialog = std::make_unique<FontPropertyDlg>();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    QStringList barTexts;
    for (QLabel *label : dialog->getTilte()->findChildren<QLabel *>())
        barTexts << label->text();
    QVERIFY2(barTexts.contains("参数设置"), qPrintable(barTexts.join('|')));
    WindowControlBox *box = dialog->getTilte()->windowControlBox();
    QVERIFY(box->findChild<QPushButton *>("closeBtn")->isVisible());
    QVERIFY(!box->findChild<QPushButton *>("minBtn")->isVisible());
    QVERIFY(!box->findChild<QPushButton *>("expandBtn")->isVisible());

    QWidget *central = dialog->getCentralWidget();
    const QList<QWidget *> bodies = central->findChildren<QWidget *>("body", Qt::FindDirectChildrenOnly);
    QCOMPARE(bodies.size(), 1);
    QWidget *body = bodies.first();
    QCOMPARE(body->geometry(), central->rect());
    auto *column = qobject_cast<QVBoxLayout *>(body->layout());
    QVERIFY(column);
    QCOMPARE(column->contentsMargins(), QMargins(18, 18, 18, 0));
    auto *first = qobject_cast<QLabel *>(column->itemAt(0)->widget());
    QVERIFY(first);
    QCOMPARE(first->text(), heading);

    auto *submit = body->findChild<QPushButton *>("submit");
    auto *cancel = body->findChild<QPushButton *>("cancel");
    QVERIFY(submit && cancel);
    QCOMPARE(submit->text(), QString("确定"));
    QCOMPARE(cancel->text(), QString("取消"));
    QCOMPARE(submit->y(), cancel->y());
    QVERIFY(submit->geometry().right() < cancel->x());
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    QSignalSpy accepted(dialog.get(), &QDialog::accepted);
    cancel->click();
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(accepted.count(), 0);
    QVERIFY(!dialog->isVisible());
}

QTEST_MAIN(TestLineSettingDialog)
#include "tst_linesettingdialog.moc"
