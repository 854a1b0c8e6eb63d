#include "navigationpage.h"

#include "navigation/basestackwidget.h"
#include "navigation/csubtab.h"
#include "navigation/kwline.h"
#include "navigation/navigatorbar.h"
#include "navigation/scrollwidget.h"
#include "navigation/sidebar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Asked for each time, in the language installed by then.
QStringList markets()
{
    return {NavigationPage::tr("沪深A股"), NavigationPage::tr("创业板"), NavigationPage::tr("科创板"),
            NavigationPage::tr("港股通"), NavigationPage::tr("美股")};
}

QStringList sorts()
{
    return {NavigationPage::tr("涨幅"), NavigationPage::tr("换手率"), NavigationPage::tr("成交额"),
            NavigationPage::tr("量比"), NavigationPage::tr("市盈率")};
}

QStringList periods()
{
    return {NavigationPage::tr("分时"), NavigationPage::tr("日K"), NavigationPage::tr("周K"),
            NavigationPage::tr("月K"),  NavigationPage::tr("5分"), NavigationPage::tr("60分")};
}

// A page of the inner stack: a title and a few lines of sample text, in a scroll container.
ScrollWidget *samplePage(const QString &title, int lines)
{
    auto *text = new QLabel;
    text->setObjectName("sampleText");
    QStringList rows{QString("<h3>%1</h3>").arg(title)};
    const QStringList markets = ::markets();
    for (int i = 1; i <= lines; ++i)
        rows << NavigationPage::tr("%1 · 第 %2 条资讯：盘面热点轮动，资金关注%3")
                        .arg(title)
                        .arg(i)
                        .arg(markets[i % markets.size()]);
    text->setText(rows.join("<br>"));
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto *scroll = new ScrollWidget(nullptr, "");
    scroll->setWidget(text);
    return scroll;
}
} // namespace

NavigationPage::NavigationPage(QWidget *parent)
    : GalleryPage(tr("导航栏"),
                  tr("CSubTab 各种标签栏、两级 NavigatorBar、SideBar 和页面栈 BaseStackWidget；点击的编号显示在下方。"),
                  parent, "navigation")
{
    content()->addWidget(createNavigator());
    content()->addWidget(new KwLine(Qt::Horizontal, this));

    auto *periodBar = new CSubTabPeriod(this, "");
    periodBar->setButtons(periods());
    periodBar->setStretchLastType(CSubTab::Stretch_Space);
    periodBar->setCurrentButton(1);
    connect(periodBar, &CSubTab::currentButtonChanged, this, [this](int id) {
        showResult(tr("周期标签 CSubTabPeriod：%1（编号 %2）").arg(periods().value(id)).arg(id));
    });
    content()->addWidget(periodBar);
    content()->addWidget(createStackArea(), 1);
}

QWidget *NavigationPage::createNavigator()
{
    m_navigator = new NavigatorBar(this, "");
    m_navigator->addCSubTab(CSubTab::Root_Tab, "market")->setButtons(markets());
    CSubTab *second = new CSubTabSecondBar(m_navigator, "");
    second->setCSubTabType(CSubTab::Child_Tab);
    m_navigator->addCSubTab(second);
    m_navigator->setSubTabButtons(1, sorts());
    m_navigator->csubTab(0)->setStretchLastType(CSubTab::Stretch_Space);
    m_navigator->csubTab(1)->setStretchLastType(CSubTab::Stretch_Space);
    connect(m_navigator, &NavigatorBar::navigatorSectionChanged, this, [this](int primary, int secondary) {
        showResult(tr("NavigatorBar：%1 / %2（%3, %4）")
                           .arg(markets().value(primary, "-"), sorts().value(secondary, "-"))
                           .arg(primary)
                           .arg(secondary));
    });
    return m_navigator;
}

QWidget *NavigationPage::createStackArea()
{
    auto *area = new QWidget;
    auto *side = new SideBar(area, "");
    side->setObjectName("pageSideBar");
    const QStringList sections{tr("资讯"), tr("公告"), tr("研报")};
    for (int i = 0; i < sections.size(); ++i)
        side->addToolButton(sections[i], i, true, Qt::ToolButtonTextOnly)->setCheckable(true);
    side->addSeparator();
    side->addToolButton(tr("刷新"), 10, false, Qt::ToolButtonTextOnly);
    side->addStretch();

    m_stack = new BaseStackWidget(area, "");
    for (int i = 0; i < sections.size(); ++i)
        m_stack->addWidget(samplePage(sections[i], 8 + 6 * i), nullptr);
    m_stack->layoutStackWnd();

    connect(side, &SideBar::signalClickButton, this, [this, sections](int id) {
        m_stack->setCurrWidget(id, true, QString());
        showResult(tr("SideBar 按钮 %1：%2").arg(id).arg(id < sections.size() ? sections[id] : tr("刷新")));
    });
    side->setCheckId(0);
    m_stack->setCurrWidget(0, true, QString());

    auto *layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(side);
    layout->addWidget(m_stack, 1);
    return area;
}

void NavigationPage::showcase()
{
    m_navigator->csubTab(0)->setCurrentButton(2);
    m_navigator->csubTab(1)->setCurrentButton(0);
    showResult(tr("NavigatorBar：%1 / %2（2, 0）").arg(markets()[2], sorts()[0]));
}
