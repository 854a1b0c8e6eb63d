#pragma once

/// \file
/// BaseWebView: a page of the client that shows one web page.

#include "kwcontrolsweb_export.h"
#include "window/basewidget.h"

#include <QUrl>

class InternalWebView;

/// A page of the client that shows one web page: an InternalWebView filling the widget.
///
/// The view is the full form of InternalWebView: it loads `url` at once and publishes the
/// "content" channel, whose texts arrive as InternalWebView::signalRcvContentFromNet().
///
/// \code
/// QUrl url("qrc:/web/content.html");
/// auto *page = new BaseWebView(url, this, "web");
/// connect(page->webView(), &InternalWebView::signalRcvContentFromNet, this, &Host::received);
/// \endcode
///
/// Ownership: the view is a child of this widget. Threading: GUI thread only.
/// \ingroup web
class KWCONTROLSWEB_EXPORT BaseWebView : public BaseWidget
{
    Q_OBJECT

public:
    /// A page under `parent` that loads `url`; `name` is its path on the message bus (see
    /// KwObject).
    BaseWebView(QUrl &url, BaseWidget *parent, QString name);

    /// The view that shows the web page, a child of this widget.
    InternalWebView *webView();

private:
    void initLayout();

    InternalWebView *m_webView = nullptr;
};
