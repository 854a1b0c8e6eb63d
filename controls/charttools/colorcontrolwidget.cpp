#include "charttools/colorcontrolwidget.h"

#include "charttools/customcolordlg.h"
#include "charttools/pickertext.h"

#include <QFormLayout>
#include <QLabel>
#include <QToolButton>

ColorControlWidget::ColorControlWidget(QWidget *parent)
    : BaseWidget(parent, "")
    , m_sample(new QLabel)
    , m_dialog(std::make_unique<CustomColorDlg>())
{
    auto *layout = new QFormLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    // The sample is framed in the text colour, so white shows on a light dialog and black on
    // a dark one, and is as tall as a line of text and half as wide again.
    m_sample->setFrameStyle(QFrame::Box | QFrame::Plain);
    const int side = fontMetrics().height() + 4;
    m_sample->setMinimumSize(side * 3 / 2, side);
    setColor("white");
    auto *more = new QToolButton;
    more->setArrowType(Qt::DownArrow);
    more->setMinimumHeight(side);
    kwDescribe(more, tr("选择颜色"), tr("选择颜色"));
    layout->addRow(m_sample, more);

    // A pop-up closes by itself when the user clicks elsewhere; it is only hidden between
    // uses, so the swatch checked last stays checked.
    m_dialog->setWindowFlags(windowFlags() | Qt::Popup);
    connect(m_dialog.get(), &CustomColorDlg::colorName, this, [this](const QString &name) {
        setColor(name);
        emit colorName(name);
    });
    connect(more, &QToolButton::clicked, this, [this, more] { popUpBeside(more); });
}

// Defined here, where the palette is a complete type.
ColorControlWidget::~ColorControlWidget() = default;

void ColorControlWidget::setColor(const QString &name)
{
    m_sample->setStyleSheet("background:" + name);
    const QColor color(name);
    kwDescribe(m_sample, tr("当前颜色"), tr("当前颜色 %1").arg(color.isValid() ? color.name() : name));
}

void ColorControlWidget::onMoreBtnClicked()
{
    if (auto *button = qobject_cast<QWidget *>(sender()))
        popUpBeside(button);
}

void ColorControlWidget::popUpBeside(QWidget *button)
{
    const QRect rect = button->rect();
    m_dialog->move(button->mapToGlobal(QPoint(rect.right() + 2, rect.top())));
    m_dialog->show();
}
