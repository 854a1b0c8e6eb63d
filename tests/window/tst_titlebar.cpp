#include "window/basedialog.h"
#include "window/framelesshelper.h"
#include "window/framewidget.h"
#include "window/popupwindow.h"
#include "window/titlebar.h"
#include "window/windowstatemodel.h"

#include "windowtest.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>

namespace {
class Frame : public FrameWidget
{
public:
    FramelessHelper *helper() { return framelessHelper; }
    TitleBar *title() { return titleBar; }
};

QPushButton *button(QWidget *box, const char *name)
{
    return box->findChild<QPushButton *>(name);
}

QPoint centreOf(QWidget *w)
{
    return w->mapToGlobal(w->rect().center());
}
} // namespace

class TestTitleBar : public QObject
{
    Q_OBJECT

private slots:
    void kwObjectSideAndStyleSheet();
    void frameWidgetLayout();
    void iconButton();
    void controlFlags_data();
    void controlFlags();
    void maximizeAndRestore();
    void closeOnRelease();
    void boxWithoutMainWindow();
    void windowHandedToTheBoxLater();
    void frameMaximizeInEveryOrder_data();
    void frameMaximizeInEveryOrder();
    void noResizeCursorWhileMaximized_data();
    void noResizeCursorWhileMaximized();
};

void TestTitleBar::kwObjectSideAndStyleSheet()
{
    BaseWidget widget(nullptr, "page");
    BaseDialog dialog(nullptr, "dialog");
    PopupWindow popup(nullptr, "popup");
    QCOMPARE(widget.qt_metacast("KwObject"), static_cast<void *>(static_cast<KwObject *>(&widget)));
    QCOMPARE(dialog.qt_metacast("KwObject"), static_cast<void *>(static_cast<KwObject *>(&dialog)));
    QCOMPARE(popup.qt_metacast("KwObject"), static_cast<void *>(static_cast<KwObject *>(&popup)));
    QCOMPARE(popup.getPath(), QString("popup"));

    // A plain QWidget subclass ignores a style-sheet background unless it paints PE_Widget.
    widget.setStyleSheet("background: #123456;");
    widget.resize(40, 30);
    QCOMPARE(QColor(widget.grab().toImage().pixel(20, 15)), QColor("#123456"));
}

void TestTitleBar::frameWidgetLayout()
{
    Frame frame;
    QLabel *label = frame.title()->findChild<QLabel *>("titleName");
    QVERIFY(label);
    QCOMPARE(label->text(), QString("untitled"));
    // The strip takes the bar's height at create(), before the layout settles it.
    const int heightAtCreate = frame.title()->height();
    frame.create();
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(frame.size(), QSize(800, 600));
    QCOMPARE(frame.title()->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(frame.title()->width(), 800);
    QCOMPARE(frame.layout()->contentsMargins(), QMargins());
    QCOMPARE(frame.helper()->titleHeight(), unsigned(heightAtCreate));
    frame.setWindowTitle("行情");
    QCOMPARE(label->text(), QString("行情"));
}

void TestTitleBar::iconButton()
{
    TitleBar bar;
    bar.setIconName("logo");
    bar.createTitleBar();
    QVERIFY(!bar.findChild<QPushButton *>("logo")->isHidden());

    TitleBar plain;
    plain.createTitleBar();
    QPushButton *icon = plain.findChild<QPushButton *>("");
    QVERIFY(icon && icon->isHidden());
    plain.setIconName("logo");
    QCOMPARE(icon->objectName(), QString("logo"));
    QVERIFY(!icon->isHidden());

    // On a bar already shown, the style sheet's picture for the new name appears.
    TitleBar shown;
    shown.setStyleSheet("QPushButton#logo { background: rgb(255, 0, 0); border: none; }");
    shown.createTitleBar();
    shown.resize(400, 30);
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    QPushButton *late = shown.findChild<QPushButton *>("");
    shown.setIconName("logo");
    late->setFixedSize(20, 20);
    QTRY_COMPARE(late->grab().toImage().pixelColor(10, 10), QColor(255, 0, 0));
}

void TestTitleBar::controlFlags_data()
{
    using B = WindowControlBox;
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("cleared");
    QTest::addColumn<QVector<bool>>("visible");
    QTest::newRow("default") << 11 << 0 << QVector<bool>{true, true, true};
    QTest::newRow("close only") << int(B::ControlClose) << 0 << QVector<bool>{false, false, true};
    QTest::newRow("0x4 has no button") << 0x4 << 0 << QVector<bool>{false, false, false};
    QTest::newRow("clear min and max together")
            << 11 << int(B::ControlMin | B::ControlMax) << QVector<bool>{false, false, true};
}

void TestTitleBar::controlFlags()
{
    QFETCH(int, flags);
    QFETCH(int, cleared);
    QFETCH(QVector<bool>, visible);
    QWidget window;
    TitleBar bar(&window);
    bar.createTitleBar();
    bar.setControlFlags(QFlags<WindowControlBox::ControlFlag>(flags));
    if (cleared)
        bar.setControlFlag(QFlags<WindowControlBox::ControlFlag>(cleared), false);
    WindowControlBox *box = bar.windowControlBox();
    QCOMPARE(box->objectName(), QString("WindowControlBox"));
    QCOMPARE(!button(box, "minBtn")->isHidden(), visible[0]);
    QCOMPARE(!button(box, "expandBtn")->isHidden(), visible[1]);
    QCOMPARE(!button(box, "closeBtn")->isHidden(), visible[2]);
}

void TestTitleBar::maximizeAndRestore()
{
    Frame frame;
    frame.create();
    showAt(&frame, QRect(50, 60, 800, 600));
    WindowControlBox *box = frame.title()->windowControlBox();
    QPushButton *expand = button(box, "expandBtn");
    QSignalSpy maximized(box, &WindowControlBox::mainWndMaximized);

    // The words a screen reader and the tooltip give follow what a press will do.
    QCOMPARE(expand->accessibleName(), QString("最大化"));
    QTest::mouseClick(expand, Qt::LeftButton);
    QCOMPARE(expand->objectName(), QString("narrowBtn"));
    QCOMPARE(expand->accessibleName(), QString("还原"));
    QCOMPARE(expand->toolTip(), QString("还原"));
    QTRY_COMPARE(frame.frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
    QCOMPARE(maximized.count(), 1);

    QTest::mouseClick(expand, Qt::LeftButton);
    QCOMPARE(expand->objectName(), QString("expandBtn"));
    QCOMPARE(expand->accessibleName(), QString("最大化"));
    QCOMPARE(maximized.count(), 1);
    QVERIFY(!frame.isMaximized());
}

// The close button acts on release, so pressing it and sliding off still closes.
void TestTitleBar::closeOnRelease()
{
    Frame frame;
    frame.create();
    showAt(&frame, QRect(50, 60, 800, 600));
    WindowControlBox *box = frame.title()->windowControlBox();
    QSignalSpy closed(box, &WindowControlBox::mainWndClose);
    QPushButton *close = button(box, "closeBtn");
    QTest::mousePress(close, Qt::LeftButton);
    sendMouse(close, QEvent::MouseMove, close->mapToGlobal(QPoint(-40, 20)), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(!frame.isVisible());
}

void TestTitleBar::boxWithoutMainWindow()
{
    WindowControlBox box(nullptr, nullptr, "");
    QSignalSpy minimized(&box, &WindowControlBox::mainWndMinimized);
    QSignalSpy maximized(&box, &WindowControlBox::mainWndMaximized);
    QSignalSpy closed(&box, &WindowControlBox::mainWndClose);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(button(&box, "minBtn"), Qt::LeftButton);
    QTest::mouseClick(button(&box, "expandBtn"), Qt::LeftButton);
    QTest::mouseClick(button(&box, "closeBtn"), Qt::LeftButton);
    QCOMPARE(minimized.count(), 1);
    QCOMPARE(maximized.count(), 0);
    QCOMPARE(closed.count(), 0);
    QVERIFY(button(&box, "expandBtn"));
    QVERIFY(box.isVisible());
}

// A box on a Designer form is made with its parent only; the form's owner hands it the window
// afterwards, maybe already maximised, maybe a second time. The glyph and the buttons follow
// the window handed over last, and only that one.
void TestTitleBar::windowHandedToTheBoxLater()
{
    QWidget form;
    auto *box = new WindowControlBox(&form);
    QWidget first;
    QWidget second;
    for (QWidget *window : {&form, &first, &second}) {
        window->resize(300, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    QPushButton *expand = button(box, "expandBtn");
    WindowStateModel::of(&first)->maximize();

    box->setMainWnd(&first);
    QCOMPARE(expand->objectName(), QString("narrowBtn"));

    box->setMainWnd(&second);
    QCOMPARE(expand->objectName(), QString("expandBtn"));
    WindowStateModel::of(&first)->restore();
    WindowStateModel::of(&first)->maximize();
    QCOMPARE(expand->objectName(), QString("expandBtn"));

    QTest::mouseClick(expand, Qt::LeftButton);
    QVERIFY(WindowStateModel::of(&second)->isMaximized());
    QCOMPARE(expand->objectName(), QString("narrowBtn"));
    QTest::mouseClick(button(box, "closeBtn"), Qt::LeftButton);
    QTRY_VERIFY(!second.isVisible());
    QVERIFY(first.isVisible());
    QVERIFY(form.isVisible());
}

void TestTitleBar::frameMaximizeInEveryOrder_data()
{
    addStateSequenceRows({"button", "wm"}, {"button", "wm", "drag"});
}

void TestTitleBar::frameMaximizeInEveryOrder()
{
    QFETCH(QStringList, actions);
    Frame frame;
    frame.create();
    const QRect normal(50, 60, 600, 400);
    showAt(&frame, normal);
    StateSequence(&frame, normal, QPoint(150, frame.title()->height() / 2)).run(actions);
}

// However the window was maximised, its edges do not offer a resize.
void TestTitleBar::noResizeCursorWhileMaximized_data()
{
    QTest::addColumn<QString>("by");
    QTest::newRow("button") << "button";
    QTest::newRow("window manager") << "wm";
}

void TestTitleBar::noResizeCursorWhileMaximized()
{
    QFETCH(QString, by);
    Frame frame;
    frame.create();
    showAt(&frame, QRect(50, 60, 600, 400));
    if (by == "button")
        RealPointer::clickAt(centreOf(button(frame.title()->windowControlBox(), "expandBtn")));
    else
        frame.showMaximized();
    const QRect area = StateSequence::maximizedArea();
    QTRY_COMPARE(frame.frameGeometry(), area);
    for (const QPoint &edge : {area.topLeft() + QPoint(0, 300), area.bottomRight() - QPoint(0, 300),
                               area.bottomRight() - QPoint(300, 0), area.bottomLeft()}) {
        RealPointer::moveTo(edge);
        QCOMPARE(RealPointer::shownCursor(&frame), int(Qt::ArrowCursor));
    }
}

QTEST_MAIN(TestTitleBar)
#include "tst_titlebar.moc"
