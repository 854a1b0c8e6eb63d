#pragma once

#include <QObject>
#include <QPointer>

class PdfJsBridge;
class QPrintDialog;

// The host side of the viewer's print button. The page renders its pages for print and calls
// the engine's print (window.print); the engine only asks the host, here: the print dialog
// (window-modal, so nothing waits in a nested event loop), then the engine prints the page on
// the chosen printer, and the page hears that it may drop the rendered pages
// (qpdf_printDone). One print at a time; a request during one is dropped.
class PdfPrinting : public QObject
{
    Q_OBJECT

public:
    explicit PdfPrinting(PdfJsBridge *view);
    ~PdfPrinting() override;

    // How finely the engine renders each page for the printer: the viewer's own print pictures
    // are 150 dpi, and a printer's full resolution would make pictures of hundreds of megabytes.
    static constexpr int Resolution = 300;

private:
    void onPrintRequested();
    // Ends the print, telling the page `notice` when there is one.
    void finish(const QString &notice);

    PdfJsBridge *m_view;
    QPointer<QPrintDialog> m_dialog;
    bool m_busy = false;
};
