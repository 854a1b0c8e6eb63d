#include "gallerywindow.h"

#include "buspage.h"
#include "charttoolspage.h"
#include "navigationpage.h"
#include "pdfreportpage.h"
#include "quotetablepage.h"
#include "smallwidgetspage.h"
#include "updatepage.h"
#include "webchannelpage.h"
#include "windowspage.h"

#include "navigation/basestackwidget.h"
#include "navigation/navigatorbar.h"
#include "navigation/sidebar.h"
#include "navigation/statusbar.h"
#include "widgets/bellbutton.h"
#include "widgets/keytipsdlg.h"
#include "widgets/kwhostinfo.h"
#include "window/titlebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int TitleHeight = 36;
}

GalleryWindow::GalleryWindow(QWidget *parent)
    : CBaseMainWidget(parent, "gallery", QRect(0, 0, 0, TitleHeight))
    , m_titleBar(new TitleBar(this, "title"))
    , m_navigator(new NavigatorBar(this, "navigator"))
    , m_sideBar(new SideBar(this, "sidebar"))
    , m_stack(new BaseStackWidget(this, "pages"))
{
    setObjectName("galleryWindow");
    setWindowTitle(tr("KwControls 控件库演示"));
    // The demo shows the opt-in: the window system moves and resizes the main window where it
    // can (snapping, moves across screens); the Windows page says so.
    setSystemMoveResize(true);
    attachMessageBus(true);

    m_titleBar->createTitleBar();
    m_titleBar->setIconName("galleryIcon");
    m_titleBar->setWinTitle(windowTitle(), Qt::AlignLeft | Qt::AlignVCenter);
    m_titleBar->setFixedHeight(TitleHeight);

    m_sideBar->setObjectName("gallerySideBar");
    m_sideBar->addLogo()->setObjectName("sideLogo");

    addPage(new BusPage(this));
    addPage(new WindowsPage(this));
    addPage(new NavigationPage(this));
    addPage(new QuoteTablePage(this));
    addPage(new WebChannelPage(this));
    addPage(new PdfReportPage(this));
    addPage(new ChartToolsPage(this));
    addPage(new SmallWidgetsPage(this));
    addPage(new UpdatePage(this));
    m_sideBar->addStretch();
    // The stack exists once the first page is in.
    m_stack->layoutStackWnd();

    CSubTab *tabs = m_navigator->addCSubTab(CSubTab::Root_Tab, "families");
    for (GalleryPage *p : m_pages)
        tabs->addButton(p->title());
    tabs->setStretchLastType(CSubTab::Stretch_Space);
    connect(m_navigator, &NavigatorBar::navigatorSectionChanged, this, [this](int id, int) { showPage(id); });
    connect(m_sideBar, &SideBar::signalClickButton, this, &GalleryWindow::showPage);

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(m_sideBar);
    middle->addWidget(m_stack, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_navigator);
    layout->addLayout(middle, 1);
    layout->addWidget(createStatusBar());

    resize(1180, 780);
    showPage(0);
}

void GalleryWindow::addPage(GalleryPage *page)
{
    const int id = m_pages.size();
    m_pages.append(page);
    page->setOwner(this);
    m_stack->addWidget(page, page);
    m_sideBar->addToolButton(page->title(), id, true, Qt::ToolButtonTextOnly)->setCheckable(true);
    connect(page, &GalleryPage::revealRequested, this, [this, id] { showPage(id); });
}

QWidget *GalleryWindow::createStatusBar()
{
    m_statusBar = new StatusBar(this, "status");
    auto put = [this](int column, QWidget *widget) {
        auto *cell = m_statusBar->widgetAtPosition(1, column);
        auto *cellLayout = new QHBoxLayout(cell);
        cellLayout->setContentsMargins(4, 0, 4, 0);
        cellLayout->addWidget(widget);
    };

    auto *bell = new BellButton;
    bell->setStates(BellButton::Lit | BellButton::Blinking);
    connect(bell, &QToolButton::clicked, bell, &BellButton::openNewMessage);
    put(0, bell);

    auto *keys = new QToolButton;
    keys->setObjectName("shortCutBtn");
    keys->setText("?");
    keys->setToolTip(tr("快捷键"));
    connect(keys, &QToolButton::clicked, this, [this] {
        auto *tips = new KeyTipsDlg(this);
        tips->setAttribute(Qt::WA_DeleteOnClose);
        tips->show();
    });
    put(1, keys);

    m_statusText = new QLabel;
    m_statusText->setObjectName("statusText");
    put(2, m_statusText);

    auto *host = new QLabel(KwHostInfo::instance().ipAdress());
    host->setObjectName("statusHost");
    host->setToolTip(KwHostInfo::instance().productName());
    put(3, host);

    auto *version = new QLabel("KwControls 1.0");
    version->setObjectName("statusVersion");
    put(4, version);
    return m_statusBar;
}

int GalleryWindow::pageCount() const
{
    return m_pages.size();
}

GalleryPage *GalleryWindow::page(int index) const
{
    return m_pages.value(index);
}

int GalleryWindow::currentPage() const
{
    return m_stack->currWidgetIndex();
}

void GalleryWindow::showPage(int index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    m_stack->setCurrWidget(index, true, QString());
    m_sideBar->setCheckId(index);
    m_navigator->csubTab(0)->setCurrentButton(index);
    m_statusText->setText(tr("第 %1/%2 页：%3").arg(index + 1).arg(m_pages.size()).arg(m_pages[index]->title()));
}
