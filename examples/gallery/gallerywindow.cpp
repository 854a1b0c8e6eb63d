#include "gallerywindow.h"

#include "galleryicon.h"
#include "galleryshell.h"
#include "readingorder.h"

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

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int TitleHeight = 36;
constexpr int KeptNotices = 20;

// The logos show the gallery's icon; they are pictures, so Tab passes them by.
void showLogo(QPushButton *logo, int side)
{
    if (!logo)
        return;
    logo->setIcon(galleryIcon());
    logo->setIconSize(QSize(side, side));
    logo->setFocusPolicy(Qt::NoFocus);
    // A picture, but a screen reader still says what it is.
    logo->setAccessibleName(GalleryWindow::tr("KwControls 标志"));
}
} // namespace

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
    showLogo(m_titleBar->findChild<QPushButton *>("galleryIcon"), 20);
    m_titleBar->setWinTitle(windowTitle(), Qt::AlignLeft | Qt::AlignVCenter);
    m_titleBar->setFixedHeight(TitleHeight);
    addLanguageButton();

    m_sideBar->setObjectName("gallerySideBar");
    QPushButton *logo = m_sideBar->addLogo();
    logo->setObjectName("sideLogo");
    showLogo(logo, 48);

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
    // As wide as its longest entry, whatever the font size: the pages take what is left.
    m_sideBar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
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

// A small switch before the window's own buttons, naming the language it leads to.
void GalleryWindow::addLanguageButton()
{
    auto *layout = qobject_cast<QHBoxLayout *>(m_titleBar->layout());
    if (!layout)
        return;
    auto *button = new QToolButton(m_titleBar);
    button->setObjectName("languageButton");
    const bool english = GalleryShell::isEnglish();
    // Each language's name in its own script, as language menus show them.
    button->setText(english ? QString::fromUtf8("中") : QStringLiteral("EN"));
    button->setToolTip(english ? tr("切换到中文") : tr("切换到英文"));
    button->setAccessibleName(button->toolTip());
    // Like the window's own buttons beside it: for the mouse, and the focus starts on the page.
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, &GalleryWindow::languageSwitchRequested);
    layout->insertWidget(layout->indexOf(m_titleBar->windowControlBox()), button, 0, Qt::AlignVCenter);
    layout->insertSpacing(layout->indexOf(m_titleBar->windowControlBox()), 6);
}

void GalleryWindow::addPage(GalleryPage *page)
{
    const int id = m_pages.size();
    m_pages.append(page);
    page->setOwner(this);
    m_stack->addWidget(page, page);
    m_sideBar->addToolButton(page->title(), id, true, Qt::ToolButtonTextOnly)->setCheckable(true);
    connect(page, &GalleryPage::revealRequested, this, [this, id] { showPage(id); });
    connect(page, &GalleryPage::notified, this, [this, id](const QString &text) { notify(id, text); });
}

QWidget *GalleryWindow::createStatusBar()
{
    m_statusBar = new StatusBar(this, "status");

    // Quiet until a page has something to tell: a bell blinking for nothing teaches the user
    // to ignore it.
    m_bell = new BellButton;
    m_bell->setObjectName("statusBell");
    m_bell->setToolTip(tr("没有新消息"));
    connect(m_bell, &QToolButton::clicked, this, &GalleryWindow::showNotices);
    putInStatusBar(0, m_bell);

    auto *keys = new QToolButton;
    keys->setObjectName("shortCutBtn");
    keys->setText("?");
    keys->setToolTip(tr("快捷键（按 Esc 关闭）"));
    connect(keys, &QToolButton::clicked, this, [this] { showKeyTips(this); });
    putInStatusBar(1, keys);

    m_statusText = new QLabel;
    m_statusText->setObjectName("statusText");
    putInStatusBar(2, m_statusText);

    auto *host = new QLabel(KwHostInfo::instance().ipAdress());
    host->setObjectName("statusHost");
    host->setToolTip(KwHostInfo::instance().productName());
    putInStatusBar(3, host);

    auto *version = new QLabel("KwControls 1.0");
    version->setObjectName("statusVersion");
    putInStatusBar(4, version);
    return m_statusBar;
}

void GalleryWindow::putInStatusBar(int column, QWidget *widget)
{
    QWidget *cell = m_statusBar->widgetAtPosition(1, column);
    auto *cellLayout = new QHBoxLayout(cell);
    constexpr int Margin = 4;
    cellLayout->setContentsMargins(Margin, 0, Margin, 0);
    cellLayout->addWidget(widget);
    // The bar's fixed cells are measured for the usual font size: with a larger system font
    // they widen to what they hold instead of clipping it.
    if (cell->maximumWidth() < QWIDGETSIZE_MAX) {
        widget->ensurePolished();
        cell->setFixedWidth(qMax(cell->maximumWidth(), widget->sizeHint().width() + 2 * Margin));
    }
}

void GalleryWindow::notify(int page, const QString &text)
{
    m_notices.prepend({page, text});
    if (m_notices.size() > KeptNotices)
        m_notices.removeLast();
    m_bell->setStates(BellButton::Lit | BellButton::Blinking);
    m_bell->setToolTip(tr("新消息：%1").arg(text));
}

// The bell's list: the newest first, each one leading to the page that sent it. Opening it
// stops the blinking; the bell stays lit while there are messages to look back at.
void GalleryWindow::showNotices()
{
    QMenu menu(this);
    menu.setObjectName("noticeMenu");
    if (m_notices.isEmpty())
        menu.addAction(tr("没有新消息"))->setEnabled(false);
    for (const Notice &notice : qAsConst(m_notices)) {
        const int page = notice.page;
        menu.addAction(tr("%1：%2").arg(m_pages[page]->title(), notice.text), this, [this, page] { showPage(page); });
    }
    m_bell->openNewMessage();
    if (!m_notices.isEmpty())
        m_bell->setToolTip(tr("消息：%1").arg(m_notices.first().text));
    menu.exec(m_bell->mapToGlobal(QPoint(0, -menu.sizeHint().height())));
}

void GalleryWindow::showKeyTips(QWidget *window)
{
    auto *tips = window->findChild<KeyTipsDlg *>(QString(), Qt::FindDirectChildrenOnly);
    if (!tips) {
        tips = new KeyTipsDlg(window);
        tips->setAttribute(Qt::WA_DeleteOnClose);
        tips->move(window->geometry().center() - QPoint(tips->width() / 2, tips->height() / 2));
    }
    tips->show();
    tips->raise();
    tips->activateWindow();
}

void GalleryWindow::applyStyleSheet(QApplication *app)
{
    QFile style(":/gallery/gallery.qss");
    if (style.open(QIODevice::ReadOnly))
        app->setStyleSheet(QString::fromUtf8(style.readAll()));
}

// The order is taken from what is on screen at the moment of the key: pages, panels and tips
// change what is shown, and the creation order of widgets is no reading order.
bool GalleryWindow::focusNextPrevChild(bool next)
{
    ReadingOrder::apply(this);
    return CBaseMainWidget::focusNextPrevChild(next);
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
