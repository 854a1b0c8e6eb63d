#include "web/basewebview.h"

#include "web/internalwebview.h"

#include <QVBoxLayout>

BaseWebView::BaseWebView(QUrl &url, BaseWidget *parent, QString name)
    : BaseWidget(parent, name)
    , m_webView(new InternalWebView(url, nullptr, this))
{
    initLayout();
}

InternalWebView *BaseWebView::webView()
{
    return m_webView;
}

void BaseWebView::initLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_webView);
}
