#include "pdfprinting_p.h"

#include "pdfjsbridge.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QWebEnginePage>

#include <memory>

PdfPrinting::PdfPrinting(PdfJsBridge *view)
    : m_view(view)
{
    connect(view->page(), &QWebEnginePage::printRequested, this, &PdfPrinting::onPrintRequested);
}

PdfPrinting::~PdfPrinting()
{
    delete m_dialog.data();
}

void PdfPrinting::onPrintRequested()
{
    if (m_busy)
        return;
    m_busy = true;
    // The printer lives as long as anything may still use it: the dialog's connections and the
    // engine's callback each hold it.
    const auto printer = std::make_shared<QPrinter>();
    printer->setResolution(Resolution);
    // The name print-to-file offers and print queues show: the document's, not the page's.
    const QString name = QFileInfo(m_view->documentName()).completeBaseName();
    printer->setDocName(name.isEmpty() ? m_view->title() : name);
    m_dialog = new QPrintDialog(printer.get(), m_view);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->setWindowTitle(tr("打印"));
    connect(m_dialog, &QDialog::rejected, this, [this, printer] { finish(QString()); });
    connect(m_dialog, &QDialog::accepted, this, [this, printer] {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        // Qt 6 prints through the view and tells the end with a signal, once per print.
        connect(
                m_view, &QWebEngineView::printFinished, this,
                [this, printer](bool printed) { finish(printed ? QString() : tr("打印没有完成")); },
                Qt::SingleShotConnection);
        m_view->print(printer.get());
#else
        const QPointer<PdfPrinting> self(this);
        m_view->page()->print(printer.get(), [self, printer](bool printed) {
            if (self)
                self->finish(printed ? QString() : tr("打印没有完成"));
        });
#endif
    });
    m_dialog->open();
}

void PdfPrinting::finish(const QString &notice)
{
    m_busy = false;
    QString script = QStringLiteral("qpdf_printDone();");
    if (!notice.isEmpty())
        script += QStringLiteral("qpdf_showNotice(%1);").arg(PdfJsBridge::scriptLiteral(notice));
    m_view->page()->runJavaScript(script);
}
