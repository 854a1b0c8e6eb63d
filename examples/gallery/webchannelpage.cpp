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
// The page is written in Chinese; its words in the user's language ride along after "#", where
// its script picks them up before it shows anything.
QUrl pageUrl()
{
    const QJsonObject words{
            {"title", WebChannelPage::tr("资讯卡片")},
            {"heading", WebChannelPage::tr("网页资讯 · content 通道")},
            {"connecting", WebChannelPage::tr("连接中…")},
            {"connected", WebChannelPage::tr("已连接")},
            {"intro",
             WebChannelPage::tr("本页来自程序资源（qrc），通过 QWebChannel 调用宿主的 content.receiveText(text)。")},
            {"waiting", WebChannelPage::tr("等待宿主推送行情")},
            {"pushedAt", WebChannelPage::tr("宿主推送于 ")},
            {"note", WebChannelPage::tr("网页备注：茅台站上 1680，关注量能")},
            {"send", WebChannelPage::tr("发送到客户端")},
            {"open", WebChannelPage::tr("打开 600519")},
            {"pageConnected", WebChannelPage::tr("页面已连接：")},
    };
    QUrl url("qrc:/gallery/web/content.html");
    url.setFragment(QString::fromUtf8(QJsonDocument(words).toJson(QJsonDocument::Compact)));
    return url;
}
} // namespace

WebChannelPage::WebChannelPage(QWidget *parent)
    : GalleryPage(
              tr("网页通道"),
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
        return; // the page is not connected yet: received() comes back here
    pushQuote();
    m_view->webView()->page()->runJavaScript("sendNote(document.getElementById('note').value)");
}

bool WebChannelPage::isSettled() const
{
    return m_received >= 2;
}
