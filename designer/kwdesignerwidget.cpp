#include "kwdesignerwidget.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace {

const QColor Ink(0x44, 0x4a, 0x55);
const QColor Accent(0x2f, 0x6f, 0xd0);

// One small picture per family, drawn rather than shipped: five shapes do not need files.
QIcon familyIcon(KwDesignerWidgetInfo::Family family)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 2));
    switch (family) {
    case KwDesignerWidgetInfo::Navigation:
        // A row of tabs, the first one selected.
        p.fillRect(QRect(2, 10, 9, 12), Accent);
        p.drawRect(QRect(2, 10, 9, 12));
        p.drawRect(QRect(12, 10, 9, 12));
        p.drawRect(QRect(22, 10, 8, 12));
        break;
    case KwDesignerWidgetInfo::Window:
        // A window with its caption strip and control buttons.
        p.drawRect(QRect(3, 5, 26, 22));
        p.fillRect(QRect(4, 6, 25, 6), Accent);
        p.fillRect(QRect(19, 8, 2, 2), Qt::white);
        p.fillRect(QRect(23, 8, 2, 2), Qt::white);
        break;
    case KwDesignerWidgetInfo::DataView:
        // A table: a shaded header row and a frozen first column.
        p.fillRect(QRect(3, 5, 26, 6), Accent);
        p.drawRect(QRect(3, 5, 26, 22));
        p.drawLine(3, 11, 29, 11);
        p.drawLine(3, 19, 29, 19);
        p.drawLine(11, 5, 11, 27);
        p.drawLine(20, 5, 20, 27);
        break;
    case KwDesignerWidgetInfo::ChartTools:
        // A colour swatch under a sample line.
        p.fillRect(QRect(4, 16, 24, 11), Accent);
        p.drawRect(QRect(4, 16, 24, 11));
        p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(4, 8, 28, 8);
        break;
    case KwDesignerWidgetInfo::Widgets:
        // A button with a dot: the small widgets are mostly buttons and labels.
        p.drawRoundedRect(QRectF(3, 8, 26, 16), 4, 4);
        p.setBrush(Accent);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(16, 16), 4, 4);
        break;
    }
    return QIcon(pixmap);
}

} // namespace

KwDesignerWidget::KwDesignerWidget(KwDesignerWidgetInfo info, QObject *parent)
    : QObject(parent)
    , m_info(std::move(info))
{
}

QString KwDesignerWidget::name() const
{
    return m_info.className;
}

QString KwDesignerWidget::group() const
{
    return QStringLiteral("KwControls");
}

QString KwDesignerWidget::toolTip() const
{
    return m_info.toolTip;
}

QString KwDesignerWidget::whatsThis() const
{
    return m_info.whatsThis;
}

QString KwDesignerWidget::includeFile() const
{
    return m_info.includeFile;
}

QIcon KwDesignerWidget::icon() const
{
    return familyIcon(m_info.family);
}

bool KwDesignerWidget::isContainer() const
{
    return m_info.container;
}

QWidget *KwDesignerWidget::createWidget(QWidget *parent)
{
    return m_info.create(parent);
}

QString KwDesignerWidget::domXml() const
{
    // Designer numbers the instances itself from this name: "cSubTab", "cSubTab_2", ...
    QString objectName = m_info.className;
    objectName[0] = objectName[0].toLower();
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          "%5"
                          " </widget>\n"
                          "</ui>\n")
            .arg(m_info.className, objectName)
            .arg(m_info.size.width())
            .arg(m_info.size.height())
            .arg(m_info.properties);
}

bool KwDesignerWidget::isInitialized() const
{
    return m_initialized;
}

void KwDesignerWidget::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}
