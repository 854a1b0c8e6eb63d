#pragma once
#include "gallerypage.h"

class BaseWebView;
class QListWidget;

// A local web page in the library's web view: texts the page sends through the "content"
// channel are listed here, and the host pushes a quote back into the page.
class WebChannelPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit WebChannelPage(QWidget *parent);
    void showcase() override;
    bool isSettled() const override;

private:
    void received(const QString &text);
    void pushQuote();

    BaseWebView *m_view;
    QListWidget *m_log;
    int m_received = 0;
    bool m_showcasing = false;
};
