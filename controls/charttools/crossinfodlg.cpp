#include "charttools/crossinfodlg.h"

#include "window/popupwndwithtitlestyle.h"

#include <QLabel>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
enum class Trend { Flat, Rise, Fall };

Trend trendOf(double change)
{
    return change > 0 ? Trend::Rise : change < 0 ? Trend::Fall : Trend::Flat;
}

// A value rises or falls when its text says so with a sign before a number ("+3.21%",
// "-0.35", "+1,200"); "12.35", "--", "2024-06-18" and a signed zero say nothing.
Trend trendOfText(const QString &text)
{
    static const QRegularExpression signedNumber(
            QStringLiteral("^\\s*([+\\-\\x{2212}])\\s*([0-9][0-9,]*(?:\\.[0-9]+)?)"));
    const QRegularExpressionMatch match = signedNumber.match(text);
    if (!match.hasMatch())
        return Trend::Flat;
    const double magnitude = match.captured(2).remove(',').toDouble();
    return trendOf(match.captured(1) == "+" ? magnitude : -magnitude);
}

// The market's colours: red for a rise, green for a fall; a flat value keeps the text colour.
void showTrend(QLabel *label, Trend trend)
{
    static const QString sheets[] = {QString(), QStringLiteral("color:#e93030"), QStringLiteral("color:#13a85a")};
    const QString &sheet = sheets[int(trend)];
    // Values change with every move of the crosshair; the sheet only when the trend does.
    if (label->styleSheet() != sheet)
        label->setStyleSheet(sheet);
}
} // namespace

VBoxWidget::VBoxWidget(QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
}

QLabel *VBoxWidget::appendLabel(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    m_layout->addWidget(label);
    return label;
}

void VBoxWidget::addLabel(const QString &text)
{
    appendLabel(text);
}

void VBoxWidget::addLabel()
{
    appendLabel(QString());
}

void VBoxWidget::addValLabel(const QString &text)
{
    QLabel *label = appendLabel(text);
    showTrend(label, trendOfText(text));
    m_valLabels.append(label);
}

void VBoxWidget::addValLabel()
{
    addValLabel(QString());
}

void VBoxWidget::setValblText(const int &index, const QString &text)
{
    if (index < 0 || index >= m_valLabels.size())
        return;
    m_valLabels[index]->setText(text);
    showTrend(m_valLabels[index], trendOfText(text));
}

void VBoxWidget::setValblText(const int &index, const QString &text, double change)
{
    if (index < 0 || index >= m_valLabels.size())
        return;
    m_valLabels[index]->setText(text);
    showTrend(m_valLabels[index], trendOf(change));
}

CrossInfoDlg::CrossInfoDlg(QWidget *parent)
    : QDialog(parent)
    , m_stack(new QStackedWidget(this))
    , m_anchor(parent)
{
    // Frameless like every window of the library, and a tool window that stays with its chart.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    createDlg();
}

void CrossInfoDlg::createDlg()
{
    auto *layout = new QVBoxLayout;
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(new VBoxWidget(this));
    m_stack->addWidget(new VBoxWidget(this));
    layout->addWidget(m_stack);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    setLayout(layout);
}

VBoxWidget *CrossInfoDlg::widgetAt(const int &index) const
{
    if (index < 0 || index >= m_stack->count())
        return nullptr;
    return static_cast<VBoxWidget *>(m_stack->widget(index));
}

void CrossInfoDlg::setCurrentIndex(const int &index)
{
    m_stack->setCurrentIndex(index);
}

void CrossInfoDlg::adjustPosition()
{
    move(m_anchor ? m_anchor->mapToGlobal(QPoint(0, 40)) : QPoint(0, 0));
}

// Without the system's frame the box draws its own one-pixel edge.
void CrossInfoDlg::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    kwFillBorderRing(this, 1, palette().color(QPalette::Mid));
}
