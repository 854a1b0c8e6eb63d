#include "pdfreportpage.h"

#include "web/internalwebview.h"
#include "web/popwebview.h"
#include "window/titlebar.h"

#include "kwuserdatamgr.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct Sector
{
    const char *name;
    double change;
    double turnover; // 100 million yuan
};
const Sector sectors[] = {
        {QT_TRANSLATE_NOOP("PdfReportPage", "半导体"), 3.42, 812.5},
        {QT_TRANSLATE_NOOP("PdfReportPage", "新能源车"), 2.18, 655.0},
        {QT_TRANSLATE_NOOP("PdfReportPage", "白酒"), 1.05, 301.2},
        {QT_TRANSLATE_NOOP("PdfReportPage", "银行"), 0.36, 220.8},
        {QT_TRANSLATE_NOOP("PdfReportPage", "证券"), -0.42, 410.3},
        {QT_TRANSLATE_NOOP("PdfReportPage", "医药"), -1.12, 388.9},
        {QT_TRANSLATE_NOOP("PdfReportPage", "煤炭"), 1.87, 150.4},
        {QT_TRANSLATE_NOOP("PdfReportPage", "光伏"), -2.35, 276.1},
        {QT_TRANSLATE_NOOP("PdfReportPage", "军工"), 0.92, 198.7},
        {QT_TRANSLATE_NOOP("PdfReportPage", "地产"), -1.76, 143.0},
        {QT_TRANSLATE_NOOP("PdfReportPage", "传媒"), 2.64, 233.6},
        {QT_TRANSLATE_NOOP("PdfReportPage", "消费电子"), 1.41, 301.9},
};
// PDF.js needs a moment after the viewer page has loaded to lay out and paint the pages.
constexpr int RenderGraceMs = 2500;
const QColor up("#d9363e");
const QColor down("#1f9d55");

void drawBars(QPainter &p, const QRect &area)
{
    const int n = int(sizeof(sectors) / sizeof(sectors[0]));
    const int mid = area.center().y();
    const int slot = area.width() / n;
    p.setPen(QPen(Qt::gray, 4));
    p.drawLine(area.left(), mid, area.right(), mid);
    for (int i = 0; i < n; ++i) {
        const int h = int(sectors[i].change / 4.0 * area.height() / 2);
        const QRect bar(area.left() + i * slot + slot / 5, h > 0 ? mid - h : mid, slot * 3 / 5, qAbs(h));
        p.fillRect(bar, sectors[i].change >= 0 ? up : down);
        p.setPen(Qt::black);
        p.drawText(QRect(bar.left() - slot / 5, area.bottom() + 20, slot, 200), Qt::AlignHCenter,
                   PdfReportPage::tr(sectors[i].name));
    }
}

void drawTable(QPainter &p, int top, int width)
{
    const QStringList headers{PdfReportPage::tr("板块"), PdfReportPage::tr("涨跌幅"), PdfReportPage::tr("成交额(亿元)"),
                              PdfReportPage::tr("强弱")};
    const int rowHeight = 300;
    const int col = width / headers.size();
    p.setPen(Qt::black);
    for (int c = 0; c < headers.size(); ++c)
        p.drawText(QRect(c * col, top, col, rowHeight), Qt::AlignCenter, headers[c]);
    int y = top + rowHeight;
    for (const Sector &s : sectors) {
        p.setPen(QPen(QColor("#cccccc"), 3));
        p.drawLine(0, y, width, y);
        p.setPen(s.change >= 0 ? up : down);
        const QString strength = s.change >= 1    ? PdfReportPage::tr("强势")
                                 : s.change <= -1 ? PdfReportPage::tr("弱势")
                                                  : PdfReportPage::tr("震荡");
        const QStringList cells{PdfReportPage::tr(s.name),
                                QString("%1%2%").arg(s.change >= 0 ? "+" : "").arg(s.change, 0, 'f', 2),
                                QString::number(s.turnover, 'f', 1), strength};
        for (int c = 0; c < cells.size(); ++c)
            p.drawText(QRect(c * col, y, col, rowHeight), Qt::AlignCenter, cells[c]);
        y += rowHeight;
    }
}
} // namespace

PdfReportPage::PdfReportPage(QWidget *parent)
    : GalleryPage(tr("PDF 报告"), tr("用 QPdfWriter 生成两页的板块日报，再用 PopWebView 的 PDF 查看器（PDF.js）打开。"),
                  parent, "pdf")
    , m_fileLabel(new QLabel(tr("尚未生成报告")))
{
    auto *button = new QPushButton(tr("生成 PDF 报告并打开"));
    button->setMinimumHeight(40);
    connect(button, &QPushButton::clicked, this, &PdfReportPage::openReport);
    m_fileLabel->setObjectName("sampleText");
    m_fileLabel->setWordWrap(true);
    content()->addWidget(button, 0, Qt::AlignLeft);
    content()->addWidget(m_fileLabel);
    content()->addStretch(1);
}

PdfReportPage::~PdfReportPage()
{
    delete m_popup;
}

QString PdfReportPage::writeReport()
{
    const QString dir = KwUserDataMgr::getInstance()->getAllUsersTmpDir();
    QDir().mkpath(dir);
    const QString path = dir + "/板块日报.pdf";
    QPdfWriter writer(path);
    writer.setTitle(tr("板块日报"));
    writer.setCreator("kwgallery");
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
    QPainter p(&writer);
    const int width = writer.width();
    QFont font("WenQuanYi Micro Hei", 26);
    p.setFont(font);
    p.drawText(QRect(0, 0, width, 700), Qt::AlignLeft | Qt::AlignVCenter, tr("板块日报"));
    font.setPointSize(11);
    p.setFont(font);
    p.drawText(QRect(0, 700, width, 400), Qt::AlignLeft,
               tr("%1 · 由 kwgallery 生成的示例数据").arg(QDate::currentDate().toString("yyyy-MM-dd")));
    p.drawText(QRect(0, 1300, width, 400), Qt::AlignLeft, tr("一、板块涨跌幅（%）"));
    drawBars(p, QRect(0, 1900, width, 4200));
    writer.newPage();
    p.drawText(QRect(0, 0, width, 400), Qt::AlignLeft, tr("二、板块明细"));
    drawTable(p, 600, width);
    p.end();
    return path;
}

void PdfReportPage::openReport()
{
    const QString path = writeReport();
    if (!m_popup) {
        m_popup = new PopWebView(new InternalWebView(static_cast<QWidget *>(nullptr)), nullptr, "");
        m_popup->createWg();
        m_popup->getTilte()->setFixedHeight(34);
        m_popup->setWindowTitle(tr("板块日报.pdf"));
        m_popup->initPDFENV();
        m_sinceViewerReady.invalidate();
        // The viewer is the web view the PDF set-up placed beside the page's own view.
        for (QWebEngineView *view : m_popup->findChildren<QWebEngineView *>())
            if (view != m_popup->webView())
                connect(view, &QWebEngineView::loadFinished, this, [this] { m_sinceViewerReady.start(); });
    }
    const QRect area = window()->geometry();
    m_popup->setGeometry(area.adjusted(area.width() / 4, 110, -30, -60));
    m_popup->show();
    m_popup->raise();
    const bool loaded = m_popup->loadFile(path);
    m_fileLabel->setText(tr("报告文件：%1（%2 字节）").arg(QDir::toNativeSeparators(path)).arg(QFileInfo(path).size()));
    showResult(loaded ? tr("报告已交给 PDF 查看器") : tr("PDF 查看器打不开报告"));
}

void PdfReportPage::showcase()
{
    openReport();
}

bool PdfReportPage::isSettled() const
{
    return !m_popup || (m_sinceViewerReady.isValid() && m_sinceViewerReady.elapsed() > RenderGraceMs);
}
