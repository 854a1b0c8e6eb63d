#include "buspage.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

// A pane on the bus that lists every message delivered to it.
class BusPanel : public BaseWidget
{
public:
    BusPanel(const QString &caption, QWidget *parent, const QString &name)
        : BaseWidget(parent, name)
        , m_log(new QListWidget)
    {
        auto *box = new QGroupBox(caption);
        auto *boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(m_log);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(box);
    }
    void onMessage(const QString &from, const std::map<QString, QString> &params) override
    {
        QStringList pairs;
        for (const auto &p : params)
            pairs << p.first + " = " + p.second;
        m_log->addItem(BusPage::tr("%1  来自 %2\n    %3")
                               .arg(QTime::currentTime().toString("HH:mm:ss"),
                                    from.isEmpty() ? BusPage::tr("(返回)") : from, pairs.join(BusPage::tr("，"))));
        m_log->scrollToBottom();
    }

private:
    QListWidget *m_log;
};

BusPage::BusPage(QWidget *parent)
    : GalleryPage(
              tr("消息总线"),
              tr("每个页面都按路径挂在总线上。选一只股票发给右侧面板或行情表页面；“返回”重放上一条消息（KwObject::MsgBack）。"),
              parent, "bus")
    , m_stock(new QComboBox)
    , m_note(new QLineEdit(tr("关注：放量突破 & 均线多头?")))
    , m_left(new BusPanel(tr("左侧面板 gallery//bus//left"), this, "left"))
    , m_right(new BusPanel(tr("右侧面板 gallery//bus//right"), this, "right"))
{
    m_left->setOwner(this);
    m_right->setOwner(this);
    m_stock->addItems({"600000 浦发银行", "000001 平安银行", "600519 贵州茅台", "300750 宁德时代", "601318 中国平安"});

    auto *toRight = new QPushButton(tr("发给右侧面板"));
    auto *toLeft = new QPushButton(tr("发给左侧面板"));
    auto *toQuotes = new QPushButton(tr("在行情表中打开"));
    auto *backButton = new QPushButton(tr("← 返回"));
    backButton->setObjectName("backButton");
    connect(toRight, &QPushButton::clicked, this, [this] { send(m_right->getPath()); });
    connect(toLeft, &QPushButton::clicked, this, [this] { send(m_left->getPath()); });
    connect(toQuotes, &QPushButton::clicked, this, [this] { send("gallery//quotes"); });
    connect(backButton, &QPushButton::clicked, this, &BusPage::back);

    auto *form = new QGridLayout;
    form->addWidget(m_stock, 0, 0);
    form->addWidget(m_note, 0, 1, 1, 3);
    form->addWidget(toLeft, 1, 0);
    form->addWidget(toRight, 1, 1);
    form->addWidget(toQuotes, 1, 2);
    form->addWidget(backButton, 1, 3);
    content()->addLayout(form);

    auto *panels = new QHBoxLayout;
    panels->addWidget(m_left);
    panels->addWidget(m_right);
    content()->addLayout(panels, 1);
}

void BusPage::send(const QString &path)
{
    const std::map<QString, QString> params{{"code", m_stock->currentText().section(' ', 0, 0)},
                                            {"name", m_stock->currentText().section(' ', 1)},
                                            {"note", m_note->text()}};
    sendMessage(path, params, true);
    showResult(tr("已发送 %1").arg(KwObject::createMsg(path, params)));
}

void BusPage::back()
{
    KwObject::MsgBack();
    showResult(tr("已重放上一条消息"));
}

void BusPage::showcase()
{
    m_stock->setCurrentIndex(0);
    send(m_right->getPath());
    m_stock->setCurrentIndex(2);
    send(m_left->getPath());
    m_stock->setCurrentIndex(3);
    send(m_right->getPath());
    back();
}
