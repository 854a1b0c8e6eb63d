#include "web/internalwebview.h"

#include "web/weblog_p.h"
#include "web/internalwebchannel.h"
#include "web/internalwebpage.h"
#include "web/popwebview.h"
#include "web/baseview.h"

#include <QDebug>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

InternalWebView::InternalWebView(QWidget *parent)
    : QWebEngineView(parent)
{
    setPage(new InternalWebPage(this));
    qCDebug(lcWeb) << "InternalWebView";
}

InternalWebView::InternalWebView(QUrl url, QWebEnginePage *page, QWidget *parent)
    : QWebEngineView(parent)
    , m_url(std::move(url))
{
    auto *content = new InternalWebChannel(this);
    m_webChannel = new QWebChannel(this);
    m_webChannel->registerObject(QStringLiteral("content"), content);
    setPage(page ? page : new InternalWebPage(this));
    this->page()->setWebChannel(m_webChannel);
    connect(content, &InternalWebChannel::signalRcvContentFromNet, this, &InternalWebView::signalRcvContentFromNet);

    // The profile's settings are what Qt 5 called the global ones (Qt 6 no longer offers them
    // under that name): every page of the profile starts from them.
    QWebEngineProfile *profile = InternalWebPage::sharedProfile();
    QWebEngineSettings *settings = profile->settings();
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::LocalStorageEnabled, true);
    settings->setAttribute(QWebEngineSettings::ScrollAnimatorEnabled, false);

    profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    profile->setHttpUserAgent(userAgent());

    setUrl(m_url);
}

QString InternalWebView::userAgent()
{
    return QStringLiteral("Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) "
                          "Chrome/65.0.3325.181 Safari/537.36");
}

void InternalWebView::resizeEvent(QResizeEvent *event)
{
    QWebEngineView::resizeEvent(event);
}

void InternalWebView::closeEvent(QCloseEvent *event)
{
    QWebEngineView::closeEvent(event);
}

QWebEngineView *InternalWebView::createWindow(QWebEnginePage::WebWindowType)
{
    auto *view = new InternalWebView(static_cast<QWidget *>(nullptr));
    auto *popup = new PopWebView(view, nullptr, QString());
    popup->createWg();
    popup->show();
    BaseView::instance().addWindow(popup);
    return view;
}
