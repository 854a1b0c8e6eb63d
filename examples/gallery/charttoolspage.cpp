#include "charttoolspage.h"

#include "charttools/colorcontrolwidget.h"
#include "charttools/crossinfodlg.h"
#include "charttools/customcolordlg.h"
#include "charttools/drawlinetextpanel.h"
#include "charttools/fontpropertydlg.h"
#include "charttools/kwcolorcombobox.h"
#include "charttools/kwcolortoolbutton.h"
#include "charttools/kwpentoolbutton.h"
#include "charttools/linecontrol.h"
#include "charttools/linesettingdialog.h"
#include "charttools/parasettingdialog.h"
#include "charttools/pickertext.h"

#include "kwcfg.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
QString indicatorSummary(const std::string &name)
{
    const auto &map = Kwcfg::getInstance()->getIndiMap();
    const auto it = map.find(name);
    if (it == map.end())
        return ChartToolsPage::tr("没有指标 %1").arg(QString::fromStdString(name));
    QStringList parts;
    for (const IndiParam &p : it->second.params)
        parts << QString("%1=%2").arg(QString::fromStdString(p.name)).arg(p.value);
    for (const IndiLine &l : it->second.lines)
        parts << ChartToolsPage::tr("%1 %2 宽%3")
                         .arg(QString::fromStdString(l.name), l.colors.value(0).name())
                         .arg(l.width);
    return ChartToolsPage::tr("%1：%2").arg(QString::fromStdString(name), parts.join(ChartToolsPage::tr("，")));
}
} // namespace

ChartToolsPage::ChartToolsPage(QWidget *parent)
    : GalleryPage(
              tr("画线工具"),
              tr("画线工具栏的颜色、线宽、线型按钮，以及颜色、线条、箭头、字体、指标参数和十字光标信息窗口；结果写在下方的文字面板里。"),
              parent, "charttools")
    , m_panel(new DrawLineTextPanel(this))
{
    m_panel->setObjectName("resultPanel");
    m_panel->setMinimumHeight(34);
    content()->addWidget(createButtons());
    content()->addWidget(createDialogButtons());
    auto *panelBox = new QGroupBox(tr("工具返回的设置（DrawLineTextPanel）"));
    auto *panelLayout = new QVBoxLayout(panelBox);
    panelLayout->addWidget(m_panel);
    content()->addWidget(panelBox);
    content()->addStretch(1);
    note("hint", tr("点一个工具试试"));
}

QWidget *ChartToolsPage::createButtons()
{
    auto *box = new QGroupBox(tr("工具栏按钮"));
    auto *form = new QFormLayout(box);
    form->setLabelAlignment(Qt::AlignRight);

    auto *colorButton = new KwColorToolButton;
    colorButton->setColor(QColor("#ff4d4f"));
    connect(colorButton, &KwColorToolButton::colorChanged, this,
            [this](const QColor &c) { note("color", tr("颜色按钮 %1").arg(c.name()), QPen(c)); });
    form->addRow(tr("KwColorToolButton"), colorButton);

    auto *colorCombo = new KwColorComboBox;
    colorCombo->setColor(QColor("#f0b849"));
    colorCombo->setMinimumWidth(120);
    connect(colorCombo, &KwColorComboBox::colorChanged, this,
            [this](const QColor &c) { note("combo", tr("颜色框 %1").arg(c.name()), QPen(c)); });
    auto *comboRow = new QHBoxLayout;
    comboRow->addWidget(colorCombo);
    comboRow->addStretch();
    form->addRow(tr("KwColorComboBox"), comboRow);

    auto *styleButton = new KwPenStyleButton;
    styleButton->setItems({Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine});
    styleButton->setPenStyle(Qt::SolidLine);
    connect(styleButton, &KwPenStyleButton::penStyleChanged, this,
            [this](const Qt::PenStyle &s) { note("penStyle", tr("线型 %1").arg(kwPenStyleName(s))); });
    auto *widthButton = new KwPenWidthButton;
    widthButton->setItems({1, 2, 3, 4, 5});
    widthButton->setPenWidth(2);
    connect(widthButton, &KwPenWidthButton::penWidthChanged, this,
            [this](int w) { note("penWidth", tr("线宽 %1").arg(w)); });
    auto *lineWidth = new LineControl;
    lineWidth->setDefalutLineWidth(1);
    connect(lineWidth, &LineControl::setLineWidth, this,
            [this](int w) { note("lineWidth", tr("LineControl 线宽 %1").arg(w)); });
    auto *lineType = new LineTypeControl;
    lineType->setDefaultPenStyle(Qt::DashLine);
    connect(lineType, &LineTypeControl::setLineStyle, this,
            [this](Qt::PenStyle s) { note("lineType", tr("LineTypeControl %1").arg(kwPenStyleName(s))); });
    auto *pens = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{styleButton, widthButton, lineWidth, lineType})
        pens->addWidget(w);
    pens->addStretch();
    form->addRow(tr("线型 / 线宽"), pens);

    auto *colorControl = new ColorControlWidget;
    colorControl->setColor("#1f6feb");
    connect(colorControl, &ColorControlWidget::colorName, this,
            [this](const QString &c) { note("control", tr("ColorControlWidget %1").arg(c), QPen(QColor(c))); });
    form->addRow(tr("ColorControlWidget"), colorControl);
    return box;
}

QWidget *ChartToolsPage::createDialogButtons()
{
    auto *box = new QGroupBox(tr("设置对话框"));
    auto *grid = new QGridLayout(box);
    const QList<QPair<QString, void (ChartToolsPage::*)()>> dialogs{
            {tr("CustomColorDlg 颜色"), &ChartToolsPage::openCustomColor},
            {tr("LineSettingDialog 线条"), &ChartToolsPage::openLineSetting},
            {tr("ArrowSettingDialog 箭头"), &ChartToolsPage::openArrowSetting},
            {tr("FontPropertyDlg 字体"), &ChartToolsPage::openFontProperty},
            {tr("ParaSettingDialog MACD 参数"), &ChartToolsPage::openParaSetting},
            {tr("CrossInfoDlg 十字光标"), &ChartToolsPage::openCrossInfo},
    };
    for (int i = 0; i < dialogs.size(); ++i) {
        auto *button = new QPushButton(dialogs[i].first);
        button->setMinimumHeight(36);
        connect(button, &QPushButton::clicked, this, dialogs[i].second);
        grid->addWidget(button, i / 3, i % 3);
    }
    return box;
}

void ChartToolsPage::present(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->adjustSize();
    const QRect area = window()->geometry();
    dialog->move(area.center() - QPoint(dialog->width() / 2, dialog->height() / 2 - 60));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ChartToolsPage::note(const QString &key, const QString &text, const QPen &pen)
{
    DrawLineTextItem item;
    item.key = key;
    item.text = text;
    item.pen = pen;
    item.font = font();
    item.spacing = 16;
    if (m_panel->getItem(key).key == key) {
        m_panel->setItem(item, true);
        m_noteKeys.removeAll(key);
    } else {
        m_panel->addItem(item, true);
    }
    m_noteKeys.append(key);
    if (key != "hint") {
        m_panel->remove("hint", true);
        m_noteKeys.removeAll("hint");
    }
    // Never cut a piece at the panel's edge: drop whole pieces, oldest first. Before the page
    // is first shown the panel has no width of its own yet to measure against.
    while (m_panel->isVisible() && m_noteKeys.size() > 1 &&
           m_panel->sizeHint().width() > m_panel->contentsRect().width())
        m_panel->remove(m_noteKeys.takeFirst(), true);
    showResult(text);
}

void ChartToolsPage::openCustomColor()
{
    auto *dialog = new CustomColorDlg(window());
    connect(dialog, &CustomColorDlg::colorName, this,
            [this](const QString &c) { note("custom", tr("自定义颜色 %1").arg(c), QPen(QColor(c))); });
    present(dialog);
}

void ChartToolsPage::openLineSetting()
{
    auto *dialog = new LineSettingDialog(window());
    dialog->initData(LineSetting{"#ff4d4f", 2, Qt::DashLine});
    connect(dialog, &LineSettingDialog::settingChanged, this, [this](const LineSetting &s) {
        QPen pen{QColor(s.strColor)};
        note("line", tr("线条 %1 宽%2 %3").arg(s.strColor).arg(s.nWidth).arg(kwPenStyleName(s.penStyle)), pen);
    });
    present(dialog);
}

void ChartToolsPage::openArrowSetting()
{
    auto *dialog = new ArrowSettingDialog(window());
    dialog->initData(ArrowSetting{"#f0b849", 3});
    connect(dialog, &ArrowSettingDialog::settingChanged, this, [this](const ArrowSetting &s) {
        note("arrow", tr("箭头 %1 宽%2").arg(s.strColor).arg(s.nWidth), QPen(QColor(s.strColor)));
    });
    present(dialog);
}

void ChartToolsPage::openFontProperty()
{
    auto *dialog = new FontPropertyDlg(window());
    FontStyle style;
    style.strFamily = "WenQuanYi Micro Hei";
    style.pointSize = 12;
    style.isBold = true;
    style.strText = tr("放量突破前高");
    style.strColor = "#ff4d4f";
    dialog->init(style);
    connect(dialog, &FontPropertyDlg::styleChanged, this, [this](const FontStyle &s) {
        note("font",
             tr("文字「%1」%2 %3号%4%5%6")
                     .arg(s.strText, s.strFamily)
                     .arg(s.pointSize)
                     .arg(s.isBold ? tr(" 粗") : "", s.istilt ? tr(" 斜") : "", s.isUnderLine ? tr(" 下划线") : ""),
             QPen(QColor(s.strColor)));
    });
    present(dialog);
}

void ChartToolsPage::openParaSetting()
{
    auto *dialog = new ParaSettingDialog(window(), "");
    dialog->setIndi("MACD");
    connect(dialog, &ParaSettingDialog::valueChanged, this, [this] { note("para", indicatorSummary("MACD")); });
    present(dialog);
}

void ChartToolsPage::openCrossInfo()
{
    if (m_crossInfo) {
        m_crossInfo->close();
        return;
    }
    auto *dialog = new CrossInfoDlg(window());
    m_crossInfo = dialog;
    VBoxWidget *box = dialog->widgetAt(0);
    // Prices are red above the previous close and green below it; the change carries its sign.
    const double previousClose = 1690.00;
    const QStringList labels{tr("时间"), tr("开盘"), tr("最高"), tr("最低"), tr("收盘"), tr("涨幅"), tr("成交量")};
    const QList<double> prices{1688.00, 1712.50, 1680.20, 1702.50};
    for (const QString &label : labels) {
        box->addLabel(label);
        box->addValLabel();
    }
    box->setValblText(0, "2024-06-18");
    for (int i = 0; i < prices.size(); ++i)
        box->setValblText(i + 1, QString::number(prices[i], 'f', 2), prices[i] - previousClose);
    const double change = (prices[3] - previousClose) / previousClose * 100;
    box->setValblText(5, QString::asprintf("%+.2f%%", change));
    box->setValblText(6, "35,812");
    dialog->setCurrentIndex(0);
    present(dialog);
    note("cross", tr("十字光标停在 2024-06-18，收盘 %1（再点一次按钮或按 Esc 关闭）").arg(prices[3], 0, 'f', 2));
}

void ChartToolsPage::showcase()
{
    note("line", tr("线条 #ff4d4f 宽2 虚线"), QPen(QColor("#ff4d4f")));
    note("arrow", tr("箭头 #f0b849 宽3"), QPen(QColor("#f0b849")));
    note("para", indicatorSummary("MACD"));
    openLineSetting();
}
