#pragma once

#include "kwcontrolsweb_export.h"
#include "window/basewidget.h"

#include <QUrl>

class InternalWebView;

// A page of the client that shows one web page: an InternalWebView filling the widget.
class KWCONTROLSWEB_EXPORT BaseWebView : public BaseWidget
{
    Q_OBJECT

public:
    BaseWebView(QUrl &url, BaseWidget *parent, QString name);

    InternalWebView *webView();

private:
    void initLayout();

    InternalWebView *m_webView = nullptr;
};
