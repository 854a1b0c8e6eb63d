#pragma once

/// \file
/// InternalWebView: the web engine view of the library.

#include "kwcontrolsweb_export.h"

#include <QUrl>
#include <QWebEngineView>

class QWebChannel;

/// The web engine view of the library.
///
/// The full form publishes an InternalWebChannel to the page as "content", fixes the settings of
/// the library's shared profile (InternalWebPage::sharedProfile(): plugins, JavaScript and local
/// storage on, scroll animation off, cookies kept on disk, the user agent userAgent()) and loads
/// its URL; the plain form only has an InternalWebPage. In either form every window a page asks
/// for opens as a PopWebView registered in BaseView.
///
/// \code
/// auto *view = new InternalWebView(QUrl("https://example.com/"), nullptr, parent);
/// connect(view, &InternalWebView::signalRcvContentFromNet, this, &Host::received);
/// \endcode
///
/// Ownership: an ordinary widget. The page and channel it makes are its children; a page given
/// to it stays its owner's. Threading: GUI thread only.
/// \ingroup web
class KWCONTROLSWEB_EXPORT InternalWebView : public QWebEngineView
{
    Q_OBJECT

public:
    /// A plain view over an InternalWebPage: no channel, no settings touched, nothing loaded.
    explicit InternalWebView(QWidget *parent);
    /// The full form: publishes the "content" channel to `page` (null: a new InternalWebPage of
    /// the view's own), sets the shared profile up and loads `url`.
    InternalWebView(QUrl url, QWebEnginePage *page, QWidget *parent);

    /// The user agent the full form gives the shared profile: that of a desktop Chrome 65 on
    /// Windows.
    static QString userAgent();

signals:
    /// The page handed `content` over with content.receiveText() (full form only).
    void signalRcvContentFromNet(QString content);

protected:
    /// Resizes as QWebEngineView does.
    void resizeEvent(QResizeEvent *event) override;
    /// Closes as QWebEngineView does.
    void closeEvent(QCloseEvent *event) override;
    /// Opens the window a page asks for, of any type, as a new PopWebView.
    ///
    /// The popup has no parent, deletes itself when closed, shows at once and is registered in
    /// BaseView; it holds a new plain InternalWebView, which is returned for the page to load.
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;

private:
    QUrl m_url;
    QWebChannel *m_webChannel = nullptr;
};
