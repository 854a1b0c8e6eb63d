#include "smallwidgetspage.h"
#include "gallerywindow.h"

#include "widgets/activitylabel.h"
#include "widgets/bellbutton.h"
#include "widgets/introductionbutton.h"
#include "widgets/kwhostinfo.h"
#include "widgets/kwpixlayer.h"
#include "widgets/kwresulthintpage.h"
#include "widgets/viewtipspanel.h"

#include "kwuserdatamgr.h"

#include <QApplication>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QtMath>

namespace {
// Pictures are drawn with as many pixels as the screens have (rounded up to a whole ratio,
// which file names can say): sharp at a pixel ratio of 2.
QPixmap canvas(const QSize &size)
{
    const int ratio = qCeil(qApp->devicePixelRatio());
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The pictures the client's style sheet would give these widgets, drawn here so the gallery
// needs no image files: a coloured disc with a sign on it.
QPixmap badge(const QColor &color, const QString &sign, int size)
{
    QPixmap pixmap = canvas(QSize(size, size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
    QFont font("WenQuanYi Micro Hei");
    // Part of the picture, not text to read: the sign fills its disc whatever the font size.
    font.setPixelSize(size / 2);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, sign);
    return pixmap;
}

void setButtonPicture(QWidget *owner, const QString &buttonName, const QPixmap &picture)
{
    if (auto *button = owner->findChild<QPushButton *>(buttonName)) {
        button->setIcon(picture);
        button->setIconSize(picture.size() / picture.devicePixelRatio());
    }
}

// KwPixLayer reads its pictures from files: a dark gradient and a badge, saved once. A badge
// for a higher pixel ratio is saved as "name@2x.png", which tells Qt its ratio when read.
QPair<QString, QString> layerPictures()
{
    const QString dir = KwUserDataMgr::getInstance()->getAllUsersTmpDir() + "/gallery";
    QDir().mkpath(dir);
    QPixmap background = canvas(QSize(480, 640));
    QPainter p(&background);
    QLinearGradient gradient(0, 0, 480, 640);
    gradient.setColorAt(0, QColor("#1f3b57"));
    gradient.setColorAt(1, QColor("#0e1419"));
    p.fillRect(QRect(0, 0, 480, 640), gradient);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor("#2fc25b"), 4));
    p.drawPolyline(QPolygon({{0, 520}, {80, 470}, {150, 500}, {240, 330}, {330, 380}, {480, 160}}));
    p.end();
    const QPixmap top = badge(QColor("#f0b849"), "K", 72);
    const int ratio = int(top.devicePixelRatio());
    const QPair<QString, QString> paths{
            dir + "/layer-background.png",
            dir + (ratio > 1 ? QString("/layer-top@%1x.png").arg(ratio) : "/layer-top.png")};
    background.save(paths.first);
    top.save(paths.second);
    return paths;
}
} // namespace

SmallWidgetsPage::SmallWidgetsPage(QWidget *parent)
    : GalleryPage(tr("小部件"), tr("快捷键提示窗、消息铃铛、空结果提示页、提示面板、链接标签、图片层和本机信息。"),
                  parent, "widgets")
{
    auto *grid = new QGridLayout;
    grid->setSpacing(14);
    grid->addWidget(createBellBox(), 0, 0);
    grid->addWidget(createHostBox(), 0, 1);
    grid->addWidget(createHintBox(), 1, 0);
    grid->addWidget(createTipsBox(), 1, 1);
    grid->addWidget(createPictureBox(), 0, 2, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    content()->addLayout(grid, 1);
}

QWidget *SmallWidgetsPage::createBellBox()
{
    auto *box = new QGroupBox(tr("BellButton 与快捷键"));
    auto *layout = new QGridLayout(box);
    m_bell = new BellButton;
    m_bell->setIconSize(QSize(28, 28));
    layout->addWidget(m_bell, 0, 0, 2, 1);
    const QList<QPair<QString, int>> states{
            {tr("熄灭"), 0}, {tr("点亮"), BellButton::Lit}, {tr("闪烁"), BellButton::Lit | BellButton::Blinking}};
    for (int i = 0; i < states.size(); ++i) {
        auto *button = new QPushButton(states[i].first);
        const int value = states[i].second;
        connect(button, &QPushButton::clicked, this, [this, value, button] {
            m_bell->setStates(value);
            showResult(tr("铃铛：%1（states = %2）").arg(button->text()).arg(m_bell->states()));
        });
        layout->addWidget(button, 0, i + 1);
    }
    auto *read = new QPushButton(tr("已读"));
    connect(read, &QPushButton::clicked, this, [this] {
        m_bell->openNewMessage();
        showResult(tr("铃铛：消息已读，停止闪烁（states = %1）").arg(m_bell->states()));
    });
    layout->addWidget(read, 1, 1);
    auto *keys = new QPushButton(tr("快捷键 KeyTipsDlg"));
    connect(keys, &QPushButton::clicked, this, &SmallWidgetsPage::openKeyTips);
    layout->addWidget(keys, 1, 2, 1, 2);
    return box;
}

QWidget *SmallWidgetsPage::createHintBox()
{
    auto *box = new QGroupBox(tr("KwResultHintPage 与链接"));
    auto *layout = new QVBoxLayout(box);
    auto *hint = new KwResultHintPage(box, "");
    // Short lines keep the boxes narrow enough for three columns with a large system font.
    hint->setHintString(tr("没有找到符合条件的股票\n点图标重新选股"));
    if (auto *text = hint->findChild<QLabel *>("hintlabel"))
        text->setAlignment(Qt::AlignCenter);
    hint->setIconSize(QSize(64, 64));
    setButtonPicture(hint, "pushbutton", badge(QColor("#1f6feb"), "?", 64));
    connect(hint, &KwResultHintPage::buttonClicked, this, [this] { showResult(tr("提示页的图标被点击")); });
    layout->addWidget(hint, 1);

    auto *intro = new IntroductionButton(tr("条件选股：最多可组合 5 个条件"), box);
    auto *link = new ActivityLabel(tr("查看说明"));
    connect(link, &ActivityLabel::clicked, intro, &IntroductionButton::showIntroduction);
    connect(intro, &IntroductionButton::showIntroduction, this, [this] { showResult(tr("链接标签被点击：显示说明")); });
    layout->addWidget(intro);
    layout->addWidget(link, 0, Qt::AlignRight);
    return box;
}

QWidget *SmallWidgetsPage::createTipsBox()
{
    auto *box = new QGroupBox(tr("ViewTipsPanel"));
    auto *layout = new QVBoxLayout(box);
    m_tips = new ViewTipsPanel(box, "");
    m_tips->setTipItems({{1, "tipsLogin", "tipsText", tr("登录后查看自选股，点图标登录")},
                         {2, "tipsOffline", "tipsText", tr("网络已断开，点图标重新连接")}},
                        56, 56);
    auto *normal = new QLabel(tr("已登录：自选股 12 只\n今日上涨 8 只"));
    normal->setAlignment(Qt::AlignCenter);
    normal->setObjectName("sampleText");
    m_tips->setNormalWnd(normal, 3);
    m_tips->createWg();
    setButtonPicture(m_tips, "tipsLogin",
                     badge(QColor("#2fc25b"), tr("登", "the sign on the log-in badge: one or two letters"), 56));
    setButtonPicture(m_tips, "tipsOffline", badge(QColor("#d9363e"), "!", 56));
    connect(m_tips, &ViewTipsPanel::clickItem, this, [this](int type) {
        const int next = type == 1 ? 3 : 1;
        m_tips->switchType(next);
        showResult(tr("提示面板：点击类型 %1，切换到类型 %2").arg(type).arg(m_tips->getCurrType()));
    });
    layout->addWidget(m_tips, 1);
    auto *switcher = new QHBoxLayout;
    for (int type : {1, 2, 3}) {
        auto *button = new QPushButton(tr("类型 %1").arg(type));
        connect(button, &QPushButton::clicked, this, [this, type] { m_tips->switchType(type); });
        switcher->addWidget(button);
    }
    layout->addLayout(switcher);
    return box;
}

QWidget *SmallWidgetsPage::createPictureBox()
{
    auto *box = new QGroupBox(tr("KwPixLayer"));
    auto *layout = new QVBoxLayout(box);
    const auto pictures = layerPictures();
    auto *layer = new KwPixLayer(pictures.first, pictures.second, box);
    layer->setMinimumSize(180, 160);
    layout->addWidget(layer, 1);
    return box;
}

QWidget *SmallWidgetsPage::createHostBox()
{
    auto *box = new QGroupBox(tr("KwHostInfo 本机信息"));
    auto *form = new QFormLayout(box);
    const KwHostInfo &host = KwHostInfo::instance();
    // Long values (a system's full name) wrap rather than widen the page past the screen.
    const auto value = [](const QString &text) {
        auto *label = new QLabel(text);
        label->setWordWrap(true);
        return label;
    };
    form->addRow(tr("MAC 地址"), value(host.macAdress().isEmpty() ? tr("（无）") : host.macAdress()));
    form->addRow(tr("IP 地址"), value(host.ipAdress().isEmpty() ? tr("（无）") : host.ipAdress()));
    form->addRow(tr("操作系统"), value(host.productName()));
    return box;
}

void SmallWidgetsPage::openKeyTips()
{
    GalleryWindow::showKeyTips(window());
    showResult(tr("打开了快捷键提示窗（按 Esc 关闭）"));
}

void SmallWidgetsPage::showcase()
{
    m_bell->setStates(BellButton::Lit);
    m_tips->switchType(2);
    showResult(tr("铃铛点亮；提示面板切到“网络已断开”"));
}
