#pragma once
#include "gallerypage.h"

#include <QElapsedTimer>
#include <QPointer>

class PopWebView;
class QLabel;

// Draws a two-page market report with QPdfWriter and shows it in the library's PDF popup.
class PdfReportPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit PdfReportPage(QWidget *parent);
    ~PdfReportPage() override;
    void showcase() override;
    bool isSettled() const override;

private:
    QString writeReport();
    void openReport();

    QLabel *m_fileLabel;
    QPointer<PopWebView> m_popup;
    QElapsedTimer m_sinceViewerReady;
};
