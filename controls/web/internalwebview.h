#pragma once

#include "kwcontrolsweb_export.h"

#include <QUrl>
#include <QWebEngineView>

class QWebChannel;

// The web engine view of the library. The full form publishes an InternalWebChannel to the page
// as "content", fixes the engine's process-wide settings and user agent, and loads its URL;
// every window a page asks for opens as a PopWebView registered in BaseView.
class KWCONTROLSWEB_EXPORT InternalWebView : public QWebEngineView
{
    Q_OBJECT

public:
    // A plain view: no channel, no settings touched.
    explicit InternalWebView(QWidget *parent);
    InternalWebView(QUrl url, QWebEnginePage *page, QWidget *parent);

    static QString userAgent();

signals:
    void signalRcvContentFromNet(QString content);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;

private:
    QUrl m_url;
    QWebChannel *m_webChannel = nullptr;
};
