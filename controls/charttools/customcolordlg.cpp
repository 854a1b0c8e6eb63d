#include "charttools/customcolordlg.h"

#include "controlslog_p.h"
#include "charttools/kwsampleline.h"
#include "charttools/pickertext.h"
#include "navigation/kwline.h"
#include "window/framelesshelper.h"
#include "window/windowcontrolbox.h"

#include <QButtonGroup>
#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Index i sits at row i / 8, column i % 8. The first entry is not pure black, and 34 keeps its
// upper-case spelling in the swatch's style sheet; reported names go through QColor::name().
const QStringList swatchColors = {
        "#010101", "#003366", "#000080", "#333399", "#0000ff", "#3366ff", "#666699", "#cc99ff", "#333333", "#9999ff",
        "#33cccc", "#00ccff", "#99ccff", "#ccffff", "#ff00ff", "#ff99cc", "#808080", "#339966", "#00ffff", "#ccffcc",
        "#ffffff", "#ffff99", "#ffcc99", "#800080", "#969696", "#003300", "#00ff00", "#ffff00", "#ffcc00", "#ff9900",
        "#ff0000", "#993366", "#c0c0c0", "#008000", "#99CC00", "#808000", "#333300", "#ff6600", "#993300", "#800000",
};
const int paletteColumns = 8;

// A palette swatch: a square of its exact colour, drawn by the swatch itself (a style would
// tint it with a bevel), edged faintly so white shows on a light dialog and black on a dark
// one, edged firmly under the pointer, and ringed while it is the chosen one. Edge and ring
// take the shade that contrasts with the swatch, so they show on every colour of the palette.
class SwatchButton : public QPushButton
{
public:
    explicit SwatchButton(const QString &colorName)
        : m_color(colorName)
    {
        setCheckable(true);
        setObjectName("color");
        setStyleSheet("background:" + colorName);
        setAttribute(Qt::WA_Hover);
        const int side = fontMetrics().height() + 8;
        setFixedSize(side, side);
        const QString name = CustomColorDlg::tr("颜色 %1").arg(m_color.name());
        kwDescribe(this, name, name);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_color);
        QColor edge = kwContrastColor(m_color);
        edge.setAlpha(underMouse() || hasFocus() ? 200 : 60);
        painter.setPen(edge);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        if (!isChecked())
            return;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kwContrastColor(m_color), 2));
        painter.drawRect(QRectF(rect()).adjusted(4, 4, -4, -4));
    }

private:
    QColor m_color;
};
} // namespace

CustomColorDlg::CustomColorDlg(QWidget *parent)
    : KwTwinkleFrameDialog(parent)
    , m_group(new QButtonGroup(this))
{
    framelessHelper()->setWidgetResizable(false);
    createWg();
}

QColor CustomColorDlg::color() const
{
    return m_color;
}

void CustomColorDlg::onBtnClicked()
{
    auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    m_colorName = button->palette().color(QPalette::Window).name();
    qCDebug(lcControls) << m_colorName;
}

void CustomColorDlg::onSubmitBtnClicked()
{
    const int id = m_group->checkedId();
    if (id >= 0) {
        m_color = QColor(swatchColors.at(id));
        emit colorName(m_color.name());
    }
    accept();
}

QWidget *CustomColorDlg::createTitle()
{
    auto *title = new QWidget;
    title->setObjectName("title");
    auto *layout = new QHBoxLayout(title);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addSpacing(10);
    layout->addWidget(new QLabel(tr("颜色")));
    layout->addStretch();
    auto *controlBox = new WindowControlBox(title, this, "");
    controlBox->setControlFlag(WindowControlBox::ControlMin | WindowControlBox::ControlMax, false);
    layout->addWidget(controlBox);
    return title;
}

void CustomColorDlg::createWg()
{
    auto *layout = new QVBoxLayout(centralWidget());
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createTitle());
    layout->addWidget(new KwLine(Qt::Horizontal, nullptr, ""));

    auto *grid = new QGridLayout;
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setSpacing(8);
    for (int i = 0; i < swatchColors.size(); ++i) {
        auto *swatch = new SwatchButton(swatchColors.at(i));
        m_group->addButton(swatch, i);
        grid->addWidget(swatch, i / paletteColumns, i % paletteColumns);
    }
    layout->addLayout(grid);
    layout->addStretch();

    auto *submit = new QPushButton(tr("确定"));
    submit->setObjectName("submit");
    auto *cancel = new QPushButton(tr("取消"));
    cancel->setObjectName("cancel");
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(5);
    buttons->setContentsMargins(10, 0, 10, 0);
    buttons->addWidget(submit, 0, Qt::AlignCenter);
    buttons->addWidget(cancel, 0, Qt::AlignCenter);
    layout->addLayout(buttons);
    layout->addSpacing(20);

    connect(submit, &QPushButton::clicked, this, &CustomColorDlg::onSubmitBtnClicked);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}
