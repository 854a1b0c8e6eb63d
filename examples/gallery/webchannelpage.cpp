#include "webchannelpage.h"

#include "web/basewebview.h"
#include "web/internalwebview.h"

#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace {
QUrl pageUrl()
{
    return QUrl("qrc:/gallery/web/content.html");
}
}

WebChannelPage::WebChannelPage(QWidget *parent)
    : GalleryPage(tr("网页通道"),
                  tr("BaseWebView 载入程序资源中的网页；网页通过 \"content\" 通道把文字交给客户端，客户端用脚本把行情推回网页。"),
                  parent, "web")
    , m_log(new QListWidget)
{
    QUrl url = pageUrl();
    m_view = new BaseWebView(url, this, "view");
    m_view->setOwner(this);
    connect(m_view->webView(), &InternalWebView::signalRcvContentFromNet, this, &WebChannelPage::received);

    auto *push = new QPushButton(tr("推送行情到网页"));
    connect(push, &QPushButton::clicked, this, &WebChannelPage::pushQuote);
    auto *side = new QVBoxLayout;
    side->addWidget(m_log, 1);
    side->addWidget(push);
    m_log->setMinimumWidth(300);

    auto *row = new QHBoxLayout;
    row->addWidget(m_view, 2);
    row->addLayout(side, 1);
    content()->addLayout(row, 1);
}

void WebChannelPage::received(const QString &text)
{
    ++m_received;
    m_log->addItem(QTime::currentTime().toString("HH:mm:ss  ") + text);
    m_log->scrollToBottom();
    showResult(tr("网页发来：%1").arg(text));
    if (m_showcasing && m_received == 1)
        showcase();
}

void WebChannelPage::pushQuote()
{
    const QJsonObject quote{{"code", "600519"},
                            {"name", "贵州茅台"},
                            {"price", "1702.50"},
                            {"change", "+3.21%"},
                            {"time", QTime::currentTime().toString("HH:mm:ss")}};
    const QString json = QString::fromUtf8(QJsonDocument(quote).toJson(QJsonDocument::Compact));
    m_view->webView()->page()->runJavaScript(QString("showQuote(%1)").arg(json));
}

void WebChannelPage::showcase()
{
    m_showcasing = true;
    if (m_received == 0)
        return;  // the page is not connected yet: received() comes back here
    pushQuote();
    m_view->webView()->page()->runJavaScript("sendNote(document.getElementById('note').value)");
}

bool WebChannelPage::isSettled() const
{
    return m_received >= 2;
}
