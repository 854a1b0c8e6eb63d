#include "charttools/parasettingdialog.h"

#include "controlslog_p.h"
#include "charttools/colorcontrolwidget.h"
#include "charttools/kwsampleline.h"
#include "charttools/pickertext.h"
#include "charttools/spinarrowstyle_p.h"
#include "window/basewidget.h"
#include "window/titlebar.h"

#include "kwcfg.h"

#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
const QSize widthIconSize(80, 12);

QIcon widthIcon(const QWidget *button, int width)
{
    QPen pen(Qt::white);
    pen.setStyle(Qt::SolidLine);
    pen.setWidth(width);
    return QIcon(kwSampleLine(widthIconSize, pen, QLine(0, 5, 80, 5), button->devicePixelRatioF()));
}

void describeWidth(QWidget *button, int width)
{
    kwDescribe(button, PenStyleToolButton::tr("线宽"), PenStyleToolButton::tr("线宽：%1").arg(kwPenWidthName(width)));
}

QLabel *headerLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setFixedWidth(label->fontMetrics().horizontalAdvance(text));
    return label;
}

QSplitter *spacer()
{
    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->setFixedHeight(12);
    return splitter;
}
} // namespace

PenStyleToolButton::PenStyleToolButton(QWidget *parent)
    : QToolButton(parent)
{
}

int PenStyleToolButton::penWidth() const
{
    return m_width;
}

void PenStyleToolButton::setPenWidth(int width)
{
    m_width = width;
}

void PenStyleToolButton::createWg()
{
    setIconSize(widthIconSize);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setPopupMode(QToolButton::MenuButtonPopup);
    resetIcon();

    auto *menu = new QMenu(this);
    auto *layout = new QVBoxLayout(menu);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    for (int width = 1; width <= 3; ++width) {
        auto *entry = new QToolButton;
        entry->setObjectName(QString("menubtn%1").arg(width));
        entry->setIconSize(widthIconSize);
        entry->setToolButtonStyle(Qt::ToolButtonIconOnly);
        entry->setIcon(widthIcon(this, width));
        kwDescribe(entry, kwPenWidthName(width), kwPenWidthName(width));
        layout->addWidget(entry);
        if (!m_firstEntry)
            m_firstEntry = entry;
        connect(entry, &QToolButton::clicked, this, [this, menu, entry, width] {
            menu->hide();
            setIcon(entry->icon());
            describeWidth(this, width);
            emit setLineWidth(width);
        });
    }
    setMenu(menu);
}

void PenStyleToolButton::resetIcon()
{
    setIcon(widthIcon(this, m_width));
    describeWidth(this, m_width);
}

ParaSettingDialog::ParaSettingDialog(QWidget *parent, QString name)
    : PopupTwinkleFrameDialog(parent, name)
    , m_grid(new QGridLayout)
    , m_indiMap(Kwcfg::getInstance()->getIndiMap())
{
}

void ParaSettingDialog::setIndi(QString name)
{
    // Building twice would stack a second title bar and grid into the window.
    if (m_built)
        return;
    m_indiName = name;
    createWg();
}

void ParaSettingDialog::createWg()
{
    if (m_built)
        return;
    m_built = true;
    if (!m_indiMap.empty() && !m_indiName.isEmpty()) {
        m_info = m_indiMap[m_indiName.toStdString()];
        m_snapshot = m_info;
    }

    setTitleFlags(WindowControlBox::ControlClose);
    PopupTwinkleFrameDialog::createWg();
    getTilte()->setWinTitle(Kwcfg::displayText(QString::fromStdString(m_info.displayName)),
                            Qt::AlignLeft | Qt::AlignVCenter);

    BaseWidget *central = getCentralWidget();
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createHeader());
    layout->addWidget(createGrid(), 0, Qt::AlignHCenter);
    layout->addWidget(spacer());
    layout->addWidget(createFooter());
    layout->addWidget(spacer());
    central->setObjectName("mainWidget");
    central->setFixedWidth(518);

    connect(getTilte()->windowControlBox(), &WindowControlBox::mainWndClose, this, &ParaSettingDialog::onWndClose);
}

QWidget *ParaSettingDialog::createHeader()
{
    auto *header = new QWidget;
    header->setObjectName("topwidget");
    header->setFixedHeight(40);
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(39, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(headerLabel(tr("参数名称")));
    layout->addSpacing(39);
    layout->addWidget(headerLabel(tr("参数值")));
    layout->addSpacing(46);
    layout->addWidget(headerLabel(tr("指标线")));
    layout->addSpacing(52);
    layout->addWidget(headerLabel(tr("颜色")));
    layout->addSpacing(82);
    layout->addWidget(headerLabel(tr("线宽")));
    layout->addStretch();
    return header;
}

QWidget *ParaSettingDialog::createGrid()
{
    auto *area = new QWidget;
    area->setObjectName("centralwidget");
    area->setFixedWidth(480);
    area->setLayout(m_grid);
    m_grid->setContentsMargins(20, 8, 11, 8);
    m_grid->setSpacing(5);
    for (size_t i = 0; i < m_info.params.size(); ++i)
        addParamRow(int(i), m_info.params[i]);
    for (size_t j = 0; j < m_info.lines.size(); ++j)
        addLineRow(int(j), m_info.lines[j]);
    return area;
}

void ParaSettingDialog::addParamRow(int row, const IndiParam &param)
{
    auto *spin = new QSpinBox;
    spin->setStyle(SpinArrowStyle::instance());
    connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this, row](int value) { setParamValue(row, value); });
    spin->setSingleStep(1);
    spin->setRange(param.minValue, param.maxValue);
    spin->setValue(param.value);
    m_grid->addWidget(new QLabel(QString::fromStdString(param.name)), row, 0);
    m_grid->addWidget(spin, row, 1);
    // Listed only now, so the value set while building is not taken for an edit.
    m_spinBoxes.append(spin);
}

void ParaSettingDialog::addLineRow(int row, const IndiLine &line)
{
    auto *color = new ColorControlWidget;
    connect(color, &ColorControlWidget::colorName, this, [this, row](const QString &name) { setLineColor(row, name); });
    m_controlToLine.insert(color, row);
    m_lineToControl.insert(row, color);
    color->setColor(line.colors.value(0).name());

    auto *width = new PenStyleToolButton;
    width->setObjectName("styletoolBtn");
    connect(width, &PenStyleToolButton::setLineWidth, this, [this, row](int value) { setLineWidth(row, value); });
    m_widthButtons.append(width);
    width->setPenWidth(line.width);
    width->createWg();

    m_grid->addWidget(new QLabel(QString::fromStdString(line.name)), row, 2);
    m_grid->addWidget(color, row, 3);
    m_grid->addWidget(width, row, 4);
}

QWidget *ParaSettingDialog::createFooter()
{
    auto *footer = new QWidget;
    footer->setObjectName("bottomwidget");
    auto *layout = new QHBoxLayout(footer);
    layout->setContentsMargins(0, 0, 20, 0);
    layout->addStretch();
    auto *reset = new QPushButton(tr("恢复默认值"));
    reset->setObjectName("resetbtn");
    auto *save = new QPushButton(tr("保存"));
    save->setObjectName("savebtn");
    layout->addWidget(reset);
    layout->addWidget(save);
    connect(reset, &QPushButton::clicked, this, &ParaSettingDialog::onrestBtnClicked);
    connect(save, &QPushButton::clicked, this, &ParaSettingDialog::onsaveBtnClicked);
    return footer;
}

void ParaSettingDialog::storeRecord()
{
    Kwcfg::getInstance()->setIndiInfo(m_info);
    emit valueChanged(true);
}

// The slots serve callers that connect a row's own control to them; the dialog's own
// connections name the row directly.
void ParaSettingDialog::onvalueChanged(int nValue)
{
    setParamValue(m_spinBoxes.indexOf(qobject_cast<QSpinBox *>(sender())), nValue);
}

void ParaSettingDialog::onsetLineWidth(int nWidth)
{
    setLineWidth(m_widthButtons.indexOf(qobject_cast<PenStyleToolButton *>(sender())), nWidth);
}

void ParaSettingDialog::onColorChanged(const QString &strClr)
{
    setLineColor(m_controlToLine.value(qobject_cast<ColorControlWidget *>(sender()), -1), strClr);
}

void ParaSettingDialog::setParamValue(int row, int value)
{
    // Rows are listed once built: a value set while building is not an edit.
    if (row < 0 || row >= m_spinBoxes.size() || size_t(row) >= m_info.params.size())
        return;
    qCDebug(lcControls) << "nValue = " << value;
    m_info.params[size_t(row)].value = value;
    storeRecord();
}

void ParaSettingDialog::setLineWidth(int row, int width)
{
    if (row < 0 || row >= m_widthButtons.size() || size_t(row) >= m_info.lines.size())
        return;
    qCDebug(lcControls) << "nWidth = " << width;
    m_info.lines[size_t(row)].width = width;
    storeRecord();
}

void ParaSettingDialog::setLineColor(int row, const QString &name)
{
    if (row < 0 || size_t(row) >= m_info.lines.size())
        return;
    m_info.lines[size_t(row)].colors[0].setNamedColor(name);
    storeRecord();
}

void ParaSettingDialog::onrestBtnClicked()
{
    for (int i = 0; i < m_spinBoxes.size(); ++i)
        m_spinBoxes[i]->setValue(m_snapshot.params[size_t(i)].value);
    for (auto it = m_lineToControl.cbegin(); it != m_lineToControl.cend(); ++it)
        it.value()->setColor(m_snapshot.lines[size_t(it.key())].colors.value(0).name());
    // Each button shows the width the record now holds again, not the first menu entry.
    for (PenStyleToolButton *button : qAsConst(m_widthButtons))
        button->resetIcon();
    m_info = m_snapshot;
    storeRecord();
}

void ParaSettingDialog::onWndClose()
{
    onrestBtnClicked();
}

void ParaSettingDialog::onsaveBtnClicked()
{
    Kwcfg::getInstance()->setIndiInfo(m_info);
    close();
}

void ParaSettingDialog::test()
{
    qCDebug(lcControls) << "11111111111111";
}
