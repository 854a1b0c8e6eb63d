#include "window/mesbox.h"
#include "window/messagebox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {
// Runs `act` on the modal box once it is up.
void whenModal(const std::function<void(QWidget *)> &act)
{
    QTimer::singleShot(100, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        modal->activateWindow();
        if (QTest::qWaitForWindowActive(modal))
            act(modal);
        else
            modal->close();
    });
}

QPushButton *buttonLabelled(QWidget *box, const QString &label)
{
    for (QPushButton *b : box->findChildren<QPushButton *>()) {
        if (b->text() == label)
            return b;
    }
    return nullptr;
}

// The panel inside the box is the box's only child dialog; its icon area is its only direct
// push button (the standard buttons live in the button box).
QPushButton *iconButton(QWidget *box)
{
    return box->findChild<QDialog *>()->findChild<QPushButton *>(QString(), Qt::FindDirectChildrenOnly);
}

int question()
{
    return MessageBox::showQuestion(nullptr, "提示", "继续吗?", QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}
} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void questionDefaultsToNo();
    void returnValues_data();
    void returnValues();
    void labels_data();
    void labels();
    void iconArea_data();
    void iconArea();
    void defaultOutsideButtons();
    void defaultAndFocusOnceShown_data();
    void defaultAndFocusOnceShown();
    void layoutOnScreen_data();
    void layoutOnScreen();
};

void TestMessageBox::questionDefaultsToNo()
{
    bool checked = false;
    whenModal([&checked](QWidget *box) {
        QPushButton *no = buttonLabelled(box, "否");
        QPushButton *yes = buttonLabelled(box, "是");
        checked = no && yes && no->isDefault() && box->focusWidget() == no &&
                  no->mapTo(box, QPoint()).x() > box->width() / 2;
        QTest::keyClick(no, Qt::Key_Enter, Qt::KeypadModifier);
    });
    QCOMPARE(question(), 0x10000);
    QVERIFY(checked);
}

void TestMessageBox::returnValues_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("是") << "是" << 0x4000;
    QTest::newRow("否") << "否" << 0x10000;
    QTest::newRow("title-bar close") << "closeBtn" << 0;
    QTest::newRow("escape") << "escape" << 0;
}

void TestMessageBox::returnValues()
{
    QFETCH(QString, action);
    QFETCH(int, result);
    whenModal([action](QWidget *box) {
        if (action == "escape") {
            QTest::keyClick(box->focusWidget(), Qt::Key_Escape);
        } else if (QPushButton *b = box->findChild<QPushButton *>(action)) {
            QTest::mouseClick(b, Qt::LeftButton);
        } else if (QPushButton *b = buttonLabelled(box, action)) {
            QTest::mouseClick(b, Qt::LeftButton);
        }
    });
    QCOMPARE(question(), result);
}

void TestMessageBox::labels_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("ok cancel") << int(QMessageBox::Ok | QMessageBox::Cancel) << QStringList{"确认", "取消"};
    QTest::newRow("retry and reset apart")
            << int(QMessageBox::Retry | QMessageBox::Reset) << QStringList{"重试", "重置"};
    QTest::newRow("save family") << int(QMessageBox::Save | QMessageBox::SaveAll | QMessageBox::Discard)
                                 << QStringList{"保存", "保存所有", "丢弃"};
    QTest::newRow("the rest") << int(QMessageBox::Abort | QMessageBox::Ignore | QMessageBox::Close | QMessageBox::Help |
                                     QMessageBox::Apply)
                              << QStringList{"终止", "忽略", "关闭", "帮助", "应用"};
}

void TestMessageBox::labels()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, texts);
    MesBox box(nullptr, "t", "s", QMessageBox::StandardButtons(buttons), QMessageBox::NoButton);
    QStringList shown;
    for (QAbstractButton *b : box.findChild<QDialogButtonBox *>()->buttons())
        shown << b->text();
    shown.sort();
    texts.sort();
    QCOMPARE(shown, texts);
}

void TestMessageBox::iconArea_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("iconName");
    QTest::newRow("information") << 1 << "info";
    QTest::newRow("question") << 2 << "question";
    QTest::newRow("warning") << 3 << "warning";
    QTest::newRow("error") << 4 << "error";
    QTest::newRow("about") << 0 << "";
}

void TestMessageBox::iconArea()
{
    QFETCH(int, kind);
    QFETCH(QString, iconName);
    using Show = int (*)(QWidget *, const QString &, const QString &, QMessageBox::StandardButtons,
                         QMessageBox::StandardButton);
    const Show show[] = {MessageBox::showAbout, MessageBox::showInformation, MessageBox::showQuestion,
                         MessageBox::showWarning, MessageBox::showError};
    QString seen = "none";
    QSize size;
    whenModal([&](QWidget *box) {
        auto *icon = iconButton(box);
        seen = icon->isHidden() ? QString() : icon->objectName();
        size = icon->size();
        QTest::mouseClick(buttonLabelled(box, "确认"), Qt::LeftButton);
    });
    QCOMPARE(show[kind](nullptr, "t", "s", QMessageBox::Ok, QMessageBox::Ok), int(QMessageBox::Ok));
    QCOMPARE(seen, iconName);
    if (!iconName.isEmpty())
        QCOMPARE(size, QSize(100, 100));
}

void TestMessageBox::defaultOutsideButtons()
{
    MesBox box(nullptr, "t", "s", QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Yes);
    // Once shown, QDialog's own rule may make a focusable button the default.
    for (QPushButton *b : box.findChildren<QPushButton *>())
        QVERIFY(!b->isDefault());
    QCOMPARE(box.focusWidget(), box.findChild<QDialog *>());
}

void TestMessageBox::defaultAndFocusOnceShown_data()
{
    QTest::addColumn<int>("style"); // 0 about, 1 information ... 4 error
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("given");
    QTest::addColumn<QString>("expected"); // the one default and focused button; "" none
    const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    const struct
    {
        const char *name;
        int buttons, given;
        const char *expected;
    } cases[] = {
            {"ok alone", int(QMessageBox::Ok), int(QMessageBox::Ok), "确认"},
            {"ok cancel, ok", okCancel, int(QMessageBox::Ok), "确认"},
            {"ok cancel, cancel", okCancel, int(QMessageBox::Cancel), "取消"},
            {"yes no, no", yesNo, int(QMessageBox::No), "否"},
            {"ok cancel, yes (not there)", okCancel, int(QMessageBox::Yes), ""},
            {"ok cancel, none", okCancel, int(QMessageBox::NoButton), ""},
    };
    const char *styles[] = {"about", "information", "question", "warning", "error"};
    for (int style = 0; style < 5; ++style) {
        for (const auto &c : cases)
            QTest::newRow(qPrintable(QString("%1: %2").arg(styles[style], c.name)))
                    << style << c.buttons << c.given << QString::fromUtf8(c.expected);
    }
}

void TestMessageBox::defaultAndFocusOnceShown()
{
    QFETCH(int, style);
    QFETCH(int, buttons);
    QFETCH(int, given);
    QFETCH(QString, expected);
    QStringList defaults;
    QString focused;
    whenModal([&](QWidget *box) {
        for (QPushButton *b : box->findChildren<QPushButton *>()) {
            if (b->isDefault())
                defaults << b->text();
        }
        auto *focus = qobject_cast<QPushButton *>(box->focusWidget());
        focused = focus ? focus->text() : QString();
        // Keypad Enter presses the default button, and nothing when there is none.
        QTest::keyClick(box->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QTimer::singleShot(100, box, [box] { QTest::keyClick(box, Qt::Key_Escape); });
    });
    using Show = int (*)(QWidget *, const QString &, const QString &, QMessageBox::StandardButtons,
                         QMessageBox::StandardButton);
    const Show show[] = {MessageBox::showAbout, MessageBox::showInformation, MessageBox::showQuestion,
                         MessageBox::showWarning, MessageBox::showError};
    const int result =
            show[style](nullptr, "t", "s", QMessageBox::StandardButtons(buttons), QMessageBox::StandardButton(given));
    QCOMPARE(defaults, expected.isEmpty() ? QStringList() : QStringList{expected});
    QCOMPARE(focused, expected);
    QCOMPARE(result, expected.isEmpty() ? 0 : given);
}

void TestMessageBox::layoutOnScreen_data()
{
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("no style sheet") << QString();
    // A client's dark caption: a taller bar with fixed-size caption buttons.
    QTest::newRow("client caption") << QString(
            "TitleBar { min-height: 34px; } QLabel#titleName { font-size: 14px; padding-left: 10px; }"
            "QPushButton#closeBtn { min-width: 42px; max-width: 42px; min-height: 32px; max-height: 32px;"
            " border: none; qproperty-text: \"\\2715\"; }");
}

// What a person sees of a box: the close glyph level with the caption, the text clear of the
// edges, and a short sentence on one line.
void TestMessageBox::layoutOnScreen()
{
    QFETCH(QString, styleSheet);
    qApp->setStyleSheet(styleSheet);
    const QString sentence = "是否把 600519 贵州茅台加入自选股？";
    for (int style = 0; style <= 4; ++style) {
        MesBox box(nullptr, "信息", sentence, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        box.setStyle(style);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto *caption = box.findChild<QLabel *>("titleName");
        auto *close = box.findChild<QPushButton *>("closeBtn");
        const int captionMiddle = caption->mapTo(&box, caption->rect().center()).y();
        const int closeMiddle = close->mapTo(&box, close->rect().center()).y();
        QVERIFY2(qAbs(captionMiddle - closeMiddle) <= 1,
                 qPrintable(QString("caption %1, close %2").arg(captionMiddle).arg(closeMiddle)));
        auto *text = box.findChild<QLabel *>("text");
        const QRect textArea(text->mapTo(&box, QPoint()), text->size());
        QVERIFY2(textArea.left() >= 16, qPrintable(QString("style %1: text at %2").arg(style).arg(textArea.left())));
        QVERIFY2(box.width() - textArea.right() >= 16,
                 qPrintable(QString("style %1: right margin %2").arg(style).arg(box.width() - textArea.right())));
        QVERIFY2(text->fontMetrics().horizontalAdvance(sentence) <= text->contentsRect().width(),
                 qPrintable(QString("style %1: %2 px of text in %3")
                                    .arg(style)
                                    .arg(text->fontMetrics().horizontalAdvance(sentence))
                                    .arg(text->contentsRect().width())));
    }
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
