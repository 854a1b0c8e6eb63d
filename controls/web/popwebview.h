#pragma once

#include "kwcontrolsweb_export.h"
#include "window/popupwindow.h"

#include "webenginedownload.h"

#include <QByteArray>
#include <QPointer>
#include <QString>

class InternalWebView;
class TestPopWebView;
class PdfJsBridge;

// The popup a page's new-window request opens in. It shows the new page under its title bar;
// when the page turns out to be a file download, it downloads the file into the library's own
// folder and shows it in the PDF viewer instead.
class KWCONTROLSWEB_EXPORT PopWebView : public PopupWindow
{
    Q_OBJECT

public:
    PopWebView(InternalWebView *view, QWidget *parent, QString name);
    ~PopWebView() override;

    void createWg() override;
    InternalWebView *webView();

    // Sets up (or again) the PDF viewer in place of the web view.
    void initPDFENV();
    // Shows the PDF file; false without viewer or readable file. Before the viewer page is
    // ready the bytes wait and are shown when it is.
    bool loadFile(const QString &path);
    void closeDocument();

    // Where downloaded PDF files are kept: a folder of the library's own under the cache
    // location. Only earlier copies of the same file name are ever removed from it.
    static QString downloadFolder();

public slots:
    void onLoadFinished(bool status);
    void renderPdfData();
    void renderPdfFile(const QString &file);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class TestPopWebView; // drives the private find-field call

    struct PdfState
    {
        PdfJsBridge *bridge = nullptr;
        bool ready = false;
        QByteArray data;
        QString path;
    };

    void setFindFieldText(const QString &text);
    void onDownloadRequested(WebEngineDownload *item);
    void onDownloadFinished();
    void dropPdfState();

    QPointer<InternalWebView> m_webView;   // may be null: the popup then only shows PDFs
    QString m_name;
    PdfState *m_pdf = nullptr;
    QPointer<WebEngineDownload> m_downloadItem;
    bool m_pageShown = false;
};
