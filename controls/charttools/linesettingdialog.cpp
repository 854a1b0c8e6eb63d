#include "charttools/linesettingdialog.h"

#include "controlslog_p.h"
#include "charttools/dialogbuttons_p.h"

#include "charttools/colorcontrolwidget.h"
#include "charttools/linecontrol.h"
#include "window/basewidget.h"
#include "window/titlebar.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Both dialogs carry the same title.
QString dialogTitle()
{
    return LineSettingDialog::tr("参数设置");
}

void addRow(QVBoxLayout *center, const QString &text, QWidget *control)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    row->addWidget(new QLabel(text));
    row->addWidget(control);
    center->addLayout(row);
    center->setAlignment(row, Qt::AlignCenter);
}

// The rows are centred one by one, so their labels line up only when their controls are equally
// wide: each control gets the width of the widest. The controls are polished first, so the
// widths are those a style sheet gives them.
void alignRows(const QList<QWidget *> &controls)
{
    int width = 0;
    for (QWidget *control : controls) {
        control->ensurePolished();
        width = qMax(width, control->sizeHint().width());
    }
    for (QWidget *control : controls)
        control->setMinimumWidth(width);
}

QVBoxLayout *centerLayout(QWidget *center, int verticalMargin)
{
    center->setObjectName("center");
    auto *layout = new QVBoxLayout(center);
    layout->setSpacing(11);
    layout->setContentsMargins(0, verticalMargin, 0, verticalMargin);
    return layout;
}
} // namespace

LineSettingDialog::LineSettingDialog(QWidget *parent)
    : PopupTwinkleFrameDialog(parent, "")
{
    qRegisterMetaType<LineSetting>("LineSetting");
    createWg();
}

void LineSettingDialog::createWg()
{
    QVBoxLayout *column = kwBeginSettingsBody(this, dialogTitle(), tr("基本线条配置"));

    m_colorControl = new ColorControlWidget;
    m_styleControl = new LineTypeControl;
    m_widthControl = new LineControl;
    auto *center = new QWidget;
    QVBoxLayout *rows = centerLayout(center, 14);
    addRow(rows, tr("线条颜色:"), m_colorControl);
    addRow(rows, tr("线条种类:"), m_styleControl);
    addRow(rows, tr("线条粗细:"), m_widthControl);
    alignRows({m_colorControl, m_styleControl, m_widthControl});
    column->addWidget(center);
    column->addSpacing(12);
    QPushButton *submit = kwFinishSettingsBody(this, column);

    connect(submit, &QPushButton::clicked, this, &LineSettingDialog::onBtnClicked);
    connect(m_colorControl, &ColorControlWidget::colorName, this, &LineSettingDialog::onColorChanged);
    connect(m_widthControl, &LineControl::setLineWidth, this, &LineSettingDialog::onLineWidthChanged);
    connect(m_styleControl, &LineTypeControl::setLineStyle, this, &LineSettingDialog::onLineStyleChanged);
}

void LineSettingDialog::initData(const LineSetting &setting)
{
    m_setting = setting;
    m_colorControl->setColor(setting.strColor);
    m_widthControl->setDefalutLineWidth(setting.nWidth);
    m_styleControl->setDefaultPenStyle(setting.penStyle);
}

LineSetting LineSettingDialog::lineSetting() const
{
    return m_setting;
}

void LineSettingDialog::onColorChanged(const QString &strClr)
{
    m_setting.strColor = strClr;
    qCDebug(lcControls) << Q_FUNC_INFO << strClr;
}

void LineSettingDialog::onLineWidthChanged(const int &nWidth)
{
    m_setting.nWidth = nWidth;
    qCDebug(lcControls) << Q_FUNC_INFO << nWidth;
}

void LineSettingDialog::onLineStyleChanged(Qt::PenStyle style)
{
    m_setting.penStyle = style;
    qCDebug(lcControls) << Q_FUNC_INFO << style;
}

void LineSettingDialog::onBtnClicked()
{
    accept();
    emit settingChanged(m_setting);
    qCDebug(lcControls) << m_setting.strColor;
    qCDebug(lcControls) << m_setting.nWidth;
    qCDebug(lcControls) << m_setting.penStyle;
}

ArrowSettingDialog::ArrowSettingDialog(QWidget *parent)
    : PopupTwinkleFrameDialog(parent, "")
{
    qRegisterMetaType<ArrowSetting>("ArrowSetting");
    createWg();
}

void ArrowSettingDialog::createWg()
{
    QVBoxLayout *column = kwBeginSettingsBody(this, dialogTitle(), tr("指示箭头配置"));

    m_colorControl = new ColorControlWidget;
    m_widthControl = new LineControl;
    auto *center = new QWidget;
    QVBoxLayout *rows = centerLayout(center, 32);
    addRow(rows, tr("箭头颜色:"), m_colorControl);
    addRow(rows, tr("箭头粗细:"), m_widthControl);
    alignRows({m_colorControl, m_widthControl});
    column->addWidget(center);
    column->addSpacing(12);
    QPushButton *submit = kwFinishSettingsBody(this, column);

    connect(submit, &QPushButton::clicked, this, &ArrowSettingDialog::onBtnClicked);
    connect(m_colorControl, &ColorControlWidget::colorName, this, &ArrowSettingDialog::onColorChanged);
    connect(m_widthControl, &LineControl::setLineWidth, this, &ArrowSettingDialog::onLineWidthChanged);
}

void ArrowSettingDialog::initData(const ArrowSetting &setting)
{
    m_setting = setting;
    m_colorControl->setColor(setting.strColor);
    m_widthControl->setDefalutLineWidth(setting.nWidth);
}

ArrowSetting ArrowSettingDialog::arrowSetting() const
{
    return m_setting;
}

void ArrowSettingDialog::onColorChanged(const QString &strClr)
{
    m_setting.strColor = strClr;
    qCDebug(lcControls) << Q_FUNC_INFO << strClr;
}

void ArrowSettingDialog::onLineWidthChanged(const int &nWidth)
{
    m_setting.nWidth = nWidth;
    qCDebug(lcControls) << Q_FUNC_INFO << nWidth;
}

void ArrowSettingDialog::onBtnClicked()
{
    accept();
    emit settingChanged(m_setting);
}
