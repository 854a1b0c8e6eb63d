#include "window/msgview_p.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A message reads best on one line: a short one is never broken (Qt breaks Chinese text between
// any two characters), a long one wraps at a comfortable measure.
class MessageText : public QLabel
{
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override
    {
        constexpr int Measure = 480;
        int widest = 0;
        for (const QString &line : text().split('\n'))
            widest = qMax(widest, fontMetrics().horizontalAdvance(line));
        const QMargins margins = contentsMargins();
        const int width = qMin(widest, Measure) + margins.left() + margins.right() + 2 * margin() + 1;
        return QLabel::minimumSizeHint().expandedTo(QSize(width, 0));
    }
};
} // namespace

MsgView::MsgView(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                 QMessageBox::StandardButton defaultButton)
    : QDialog(parent)
    , iconButton(new QPushButton(this))
    , buttonBox(new QDialogButtonBox(QDialogButtonBox::StandardButtons(int(buttons)), this))
{
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, QBrush(Qt::white));
    setPalette(palette);
    setAutoFillBackground(true);
    resize(600, 320);

    // The box is a dialog inside a dialog: with Qt's auto-default rule, whichever button has
    // the focus, or the first one when there is no default, would become a second default as
    // soon as the box is shown. Only the given button is ever the default.
    for (QAbstractButton *button : buttonBox->buttons()) {
        if (auto *push = qobject_cast<QPushButton *>(button))
            push->setAutoDefault(false);
    }
    iconButton->setAutoDefault(false);
    QPushButton *defaultPush = buttonBox->button(QDialogButtonBox::StandardButton(defaultButton));
    m_defaultButton = defaultPush;
    if (defaultPush) {
        defaultPush->setDefault(true);
        defaultPush->setShortcut(QKeySequence(Qt::Key_Enter));
        // Whoever focuses the view focuses the default button.
        setFocusProxy(defaultPush);
        defaultPush->setFocus();
    }

    iconButton->setFixedSize(100, 100);
    // A picture, not a control: it must neither take the focus nor become the default button.
    iconButton->setFocusPolicy(Qt::NoFocus);
    auto *label = new MessageText(text, this);
    label->setObjectName("text");
    label->setWordWrap(true);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(iconButton, 0, 0);
    grid->addWidget(label, 0, 1);
    grid->setColumnStretch(1, 1);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(buttonBox);
    auto *layout = new QVBoxLayout(this);
    // The text keeps clear of the edges whether or not a picture stands before it.
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(grid);
    layout->addLayout(buttonRow);

    labelButtons();
    connect(buttonBox, &QDialogButtonBox::clicked, this, &MsgView::onButtonClicked);
}

void MsgView::labelButtons()
{
    static const struct
    {
        QDialogButtonBox::StandardButton button;
        const char *label;
    } labels[] = {
            {QDialogButtonBox::Yes, QT_TR_NOOP("是")},
            {QDialogButtonBox::No, QT_TR_NOOP("否")},
            {QDialogButtonBox::Ok, QT_TR_NOOP("确认")},
            {QDialogButtonBox::Cancel, QT_TR_NOOP("取消")},
            {QDialogButtonBox::Save, QT_TR_NOOP("保存")},
            {QDialogButtonBox::SaveAll, QT_TR_NOOP("保存所有")},
            {QDialogButtonBox::Abort, QT_TR_NOOP("终止")},
            {QDialogButtonBox::Retry, QT_TR_NOOP("重试")},
            {QDialogButtonBox::Ignore, QT_TR_NOOP("忽略")},
            {QDialogButtonBox::Close, QT_TR_NOOP("关闭")},
            {QDialogButtonBox::Discard, QT_TR_NOOP("丢弃")},
            {QDialogButtonBox::Help, QT_TR_NOOP("帮助")},
            {QDialogButtonBox::Apply, QT_TR_NOOP("应用")},
            // Not "重试": a box with both Retry and Reset would show two identical buttons.
            {QDialogButtonBox::Reset, QT_TR_NOOP("重置")},
    };
    for (const auto &entry : labels) {
        if (QPushButton *button = buttonBox->button(entry.button))
            button->setText(tr(entry.label));
    }
}

void MsgView::onButtonClicked(QAbstractButton *button)
{
    emit btnClicked(buttonBox->standardButton(button));
}

void MsgView::keyPressEvent(QKeyEvent *event)
{
    // The view is a panel inside the box: Escape must reject the box, not hide the panel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MsgView::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The button box, shown just before, makes its first accepting button the default when it
    // finds none: with no default given, Enter must press nothing.
    for (QAbstractButton *button : buttonBox->buttons()) {
        if (auto *push = qobject_cast<QPushButton *>(button))
            push->setDefault(push == m_defaultButton);
    }
}
