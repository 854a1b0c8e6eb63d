// Drives the gallery's own window and pages in this process, the way a person uses them: the
// screenshot walk with every text checked for clipping (run a second time with a larger system
// font, and once more in English: KW_GALLERY_LANG=en), header clicks on the quote list, Tab
// through every page, the popups' titles, the status bar's bell and the language switch.

#include "gallerypage.h"
#include "galleryshell.h"
#include "gallerywindow.h"
#include "screenshotter.h"
#include "webengineenvironment.h"

#include "bus/kwobject.h"
#include "dataview/frozentableview.h"
#include "kwcfg.h"
#include "widgets/bellbutton.h"
#include "widgets/kwpixlayer.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QCollator>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include <unistd.h>

namespace {
constexpr int QuotePage = 3;
constexpr int IndexRows = 2;
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int SortBudgetMs = 2000;
#else
constexpr int SortBudgetMs = 500;
#endif

QString describe(const QWidget *w)
{
    return QString("%1 \"%2\"").arg(w->metaObject()->className(), w->objectName());
}

QList<QWidget *> shownWindows()
{
    QList<QWidget *> windows;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowType() != Qt::ToolTip && top->windowType() != Qt::Popup)
            windows << top;
    return windows;
}

// The text of a label (each line of plain text without word wrap) or of a button wider than
// the widget; a font pinned to pixels, which would not grow with the system's font size.
QString textProblem(const QWidget *w)
{
    QStringList lines;
    int room = w->width();
    int extra = 0;
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        if (!label->wordWrap() && !rich)
            lines = label->text().split('\n', Qt::SkipEmptyParts);
        room = label->contentsRect().width();
    } else if (auto *button = qobject_cast<const QAbstractButton *>(w)) {
        // The style's padding aside, the text and the icon must fit.
        lines = QString(button->text()).remove('&').split('\n', Qt::SkipEmptyParts);
        extra = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    }
    for (const QString &line : lines) {
        const int needed = w->fontMetrics().horizontalAdvance(line) + extra;
        if (needed > room)
            return QString("%1: \"%2\" needs %3 px, has %4").arg(describe(w), line).arg(needed).arg(room);
    }
    if (w->font().pixelSize() > 0)
        return QString("%1 has a font of %2 px").arg(describe(w)).arg(w->font().pixelSize());
    return QString();
}

// What does not fit: texts in their widgets, windows on their screen.
QStringList clippedTexts()
{
    QStringList clipped;
    for (QWidget *top : shownWindows()) {
        const int room = top->screen()->availableGeometry().width();
        if (qMax(top->width(), top->minimumSizeHint().width()) > room)
            clipped << QString("%1 is wider than its screen (%2 px)").arg(describe(top)).arg(room);
        for (QWidget *w : top->findChildren<QWidget *>()) {
            const QString problem = w->window() == top && w->isVisible() ? textProblem(w) : QString();
            if (!problem.isEmpty())
                clipped << problem + " in " + top->windowTitle();
        }
    }
    return clipped;
}

// Every window on screen names itself, in the window list and in its own caption.
QStringList untitledWindows()
{
    QStringList untitled;
    for (QWidget *top : shownWindows()) {
        if (top->windowTitle().isEmpty())
            untitled << describe(top) + " has no window title";
        for (QLabel *caption : top->findChildren<QLabel *>("titleName"))
            if (caption->window() == top && caption->isVisible() &&
                (caption->text().isEmpty() || caption->text() == "untitled"))
                untitled << describe(top) + " shows the caption \"" + caption->text() + "\"";
    }
    return untitled;
}

void closeOtherWindows(QWidget *keep)
{
    for (QWidget *top : shownWindows())
        if (top != keep)
            top->close();
}

bool isTabStop(const QWidget *w)
{
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

// Pictures and rules: nothing to operate, so nothing the keyboard should stop at.
bool isDecorative(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w))
        return !label->pixmap(Qt::ReturnByValue).isNull();
    if (auto *frame = qobject_cast<const QFrame *>(w))
        if (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine)
            return true;
    return qobject_cast<const KwPixLayer *>(w) || qobject_cast<const KwPixTopLayer *>(w) ||
           w->objectName() == "sideLogo" || w->objectName() == "galleryIcon";
}

bool insideWebView(const QWidget *w)
{
    for (; w; w = w->parentWidget())
        if (w->inherits("QWebEngineView"))
            return true;
    return false;
}

// Whether `later`, reached by Tab after `earlier`, reads before it. The two are compared by
// the outermost parts they do not share: a box is read whole before what follows it.
bool readsBefore(const QWidget *later, const QWidget *earlier)
{
    QSet<const QWidget *> earlierChain;
    for (const QWidget *w = earlier; w; w = w->parentWidget())
        earlierChain.insert(w);
    const QWidget *laterPart = later;
    while (laterPart->parentWidget() && !earlierChain.contains(laterPart->parentWidget()))
        laterPart = laterPart->parentWidget();
    const QWidget *common = laterPart->parentWidget();
    if (!common || common == earlier || earlierChain.contains(laterPart))
        return false; // one holds the other: the holder first is right
    const QWidget *earlierPart = earlier;
    while (earlierPart->parentWidget() != common)
        earlierPart = earlierPart->parentWidget();
    const QRect a = earlierPart->geometry();
    const QRect b = laterPart->geometry();
    const bool sameBand = qMin(a.bottom(), b.bottom()) > qMax(a.top(), b.top());
    return b.bottom() < a.top() || (sameBand && b.right() < a.left());
}

double number(const QAbstractItemModel *m, int row, int column)
{
    return m->index(row, column).data().toString().toDouble();
}

// Rows after the index rows in `order` by `column`; the first row out of order, or -1.
int firstRowOutOfOrder(const QAbstractItemModel *m, int column, Qt::SortOrder order)
{
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    for (int row = IndexRows + 1; row < m->rowCount(); ++row) {
        int cmp = 0;
        if (column == 1 || column == 2) {
            cmp = collator.compare(m->index(row - 1, column).data().toString(),
                                   m->index(row, column).data().toString());
        } else {
            const double a = number(m, row - 1, column);
            const double b = number(m, row, column);
            cmp = a < b ? -1 : a > b ? 1 : 0;
        }
        if (order == Qt::AscendingOrder ? cmp > 0 : cmp < 0)
            return row;
    }
    return -1;
}
} // namespace

class TestGalleryPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void bellWaitsForNews();
    void walkShowsEveryTextWhole();
    void sortArrowTellsTheOrder();
    void headerClickSortsQuotes_data();
    void headerClickSortsQuotes();
    void tabFollowsReadingOrder_data();
    void tabFollowsReadingOrder();
    void popupsHaveTitles_data();
    void popupsHaveTitles();
    void webEngineSettingsKeepTheUsers_data();
    void webEngineSettingsKeepTheUsers();
    void languageSwitchKeepsThePage();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GalleryShell> m_shell;
    GalleryWindow *m_window = nullptr;
};

// Every button a person can see says what it does to a screen reader: its accessible name,
// from its text or given for a picture-only face.
QStringList namelessButtons()
{
    QStringList nameless;
    for (QWidget *top : shownWindows()) {
        for (QAbstractButton *b : top->findChildren<QAbstractButton *>()) {
            if (b->window() != top || !b->isVisible())
                continue;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(b);
            if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
                nameless << describe(b) + " has no accessible name in " + top->windowTitle();
        }
    }
    return nameless;
}

void TestGalleryPages::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "the gallery needs a display: run under xvfb-run");
    qputenv("KW_ALLUSERS_DIR", m_dir.filePath("all users").toLocal8Bit());
    KwObject::init();
    Kwcfg::getInstance()->loadCfg();
    GalleryWindow::applyStyleSheet(qApp);
    const QByteArray language = qgetenv("KW_GALLERY_LANG");
    if (!language.isEmpty())
        QVERIFY(GalleryShell::applyLanguage(QLocale(QString::fromLatin1(language))));
    m_shell = std::make_unique<GalleryShell>();
    m_window = m_shell->open();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestGalleryPages::cleanupTestCase()
{
    closeOtherWindows(m_window);
    m_shell.reset();
    m_window = nullptr;
    KwObject::unInit();
}

// Quiet at start; a page's news makes it blink; its list leads to the page and stops the blink.
void TestGalleryPages::bellWaitsForNews()
{
    auto *bell = m_window->findChild<BellButton *>("statusBell");
    QVERIFY(bell);
    QCOMPARE(bell->states(), 0);

    const int updatePage = m_window->pageCount() - 1;
    emit m_window->page(updatePage)->notified("升级完成");
    QCOMPARE(bell->states(), BellButton::Lit | BellButton::Blinking);

    QStringList entries;
    QTimer::singleShot(300, this, [&entries] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            entries << action->text();
        menu->actions().first()->trigger();
        menu->close();
    });
    QTest::mouseClick(bell, Qt::LeftButton);
    QCOMPARE(entries, QStringList{m_window->page(updatePage)->title() + "：升级完成"});
    QCOMPARE(m_window->currentPage(), updatePage);
    QCOMPARE(bell->states(), int(BellButton::Lit));
}

void TestGalleryPages::walkShowsEveryTextWhole()
{
    auto *walk = new Screenshotter(m_window, m_dir.filePath("shots"));
    QStringList problems;
    connect(walk, &Screenshotter::pageCaptured, this, [&](int index) {
        const QString page = m_window->page(index)->title() + ": ";
        for (const QString &p : clippedTexts() + untitledWindows() + namelessButtons())
            problems << page + p;
    });
    QSignalSpy finished(walk, &Screenshotter::finished);
    walk->start();
    QVERIFY2(finished.wait(150000), "the walk did not finish");
    for (const QString &p : qAsConst(problems))
        qWarning().noquote() << p; // all of them: the failure message below is cut short
    QCOMPARE(finished.first().first().toBool(), true);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    walk->deleteLater();
}

// Before any click the arrow stands on a column and in a direction that the rows really have.
void TestGalleryPages::sortArrowTellsTheOrder()
{
    auto *table = m_window->page(QuotePage)->findChild<FrozenTableView *>("quoteTable");
    QVERIFY(table);
    const QHeaderView *header = table->horizontalHeader();
    QVERIFY(header->isSortIndicatorShown());
    QCOMPARE(firstRowOutOfOrder(table->model(), header->sortIndicatorSection(), header->sortIndicatorOrder()), -1);
}

void TestGalleryPages::headerClickSortsQuotes_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("firstOrder");
    QTest::newRow("涨幅%: largest first") << 4 << Qt::DescendingOrder;
    QTest::newRow("成交量: largest first") << 6 << Qt::DescendingOrder;
    QTest::newRow("名称: by pinyin") << 2 << Qt::AscendingOrder;
    QTest::newRow("序号: back to the list's order") << 0 << Qt::AscendingOrder;
}

void TestGalleryPages::headerClickSortsQuotes()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, firstOrder);
    closeOtherWindows(m_window);
    m_window->showPage(QuotePage);
    GalleryPage *page = m_window->page(QuotePage);
    auto *table = page->findChild<FrozenTableView *>("quoteTable");
    QVERIFY(table);
    QAbstractItemModel *model = table->model();
    QScrollBar *bar = nullptr;
    for (QScrollBar *b : page->findChildren<QScrollBar *>())
        if (b->orientation() == Qt::Vertical && !table->isAncestorOf(b))
            bar = b;
    QVERIFY(bar);
    QHeaderView *header = table->horizontalHeader();
    QTest::qWait(50);

    // The chosen stock stays chosen wherever the sort takes it.
    const int chosen = model->rowCount() / 3;
    table->selectRow(chosen);
    const QString chosenCode = model->index(chosen, 1).data().toString();

    for (const Qt::SortOrder order :
         {firstOrder, firstOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder}) {
        // A click on the sorted column flips its order; the rows are ordered so that none
        // starts on the column already sorted.
        QVERIFY(header->sortIndicatorSection() != column || header->sortIndicatorOrder() != order);
        // Clicked while far down the list: the rows scrolled past come back, then go again.
        bar->setValue((bar->minimum() + bar->maximum()) / 2);
        table->scrollTo(model->index(bar->value(), column));
        const QRect section(header->sectionViewportPosition(column), 0, header->sectionSize(column), header->height());
        QVERIFY(header->viewport()->rect().contains(section.center()));
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, section.center());
        QCoreApplication::processEvents();
        const qint64 ms = clock.elapsed();
        qInfo("header click sorting %d rows by column %d: %lld ms", model->rowCount(), column, ms);
        QVERIFY2(ms < SortBudgetMs, qPrintable(QString("%1 ms").arg(ms)));

        QCOMPARE(header->sortIndicatorOrder(), order);
        QCOMPARE(model->index(0, 0).data().toString(), QString("指数"));
        QCOMPARE(model->index(1, 0).data().toString(), QString("指数"));
        QCOMPARE(firstRowOutOfOrder(model, column, order), -1);
        QCOMPARE(model->index(table->currentIndex().row(), 1).data().toString(), chosenCode);

        // Every row can be reached: none hidden beyond those scrolled past, at either end.
        QCOMPARE(bar->value(), bar->minimum());
        bar->setValue(bar->maximum());
        QCoreApplication::processEvents();
        int hidden = 0;
        for (int row = 0; row < model->rowCount(); ++row)
            hidden += table->isRowHidden(row);
        QCOMPARE(hidden, bar->value() - IndexRows);
        const int last = model->rowCount() - 1;
        QVERIFY(!table->isRowHidden(last));
        QVERIFY(table->viewport()->rect().contains(table->visualRect(model->index(last, 0)).center()));
        bar->setValue(bar->minimum());
        QCoreApplication::processEvents();
        QVERIFY(!table->isRowHidden(IndexRows));
        QCOMPARE(table->rowAt(table->rowViewportPosition(IndexRows) + 1), IndexRows);
    }

    // The result line speaks of the row as the table shows it.
    const int row = IndexRows + 3;
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      table->visualRect(model->index(row, 2)).center());
    QCOMPARE(page->resultText(),
             QString("结果：当前：序号 %1 %2 %3")
                     .arg(model->index(row, 0).data().toString(), model->index(row, 1).data().toString(),
                          model->index(row, 2).data().toString()));
}

void TestGalleryPages::tabFollowsReadingOrder_data()
{
    QTest::addColumn<int>("index");
    const QStringList pages{"bus", "windows", "navigation", "quotes", "web", "pdf", "charttools", "widgets", "update"};
    for (int i = 0; i < pages.size(); ++i)
        QTest::newRow(qPrintable(pages[i])) << i;
}

// From the side bar's last button, Tab must walk the page's controls in reading order, each
// once, and leave it; a web page keeps Tab for its own fields, so the walk ends there.
void TestGalleryPages::tabFollowsReadingOrder()
{
    QFETCH(int, index);
    closeOtherWindows(m_window);
    m_window->showPage(index);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    GalleryPage *page = m_window->page(index);

    QToolButton *lastSideButton = nullptr;
    for (QToolButton *b : m_window->findChild<QWidget *>("gallerySideBar")->findChildren<QToolButton *>())
        if (isTabStop(b) && (!lastSideButton || b->y() > lastSideButton->y()))
            lastSideButton = b;
    QVERIFY(lastSideButton);
    lastSideButton->setFocus(Qt::TabFocusReason);

    QWidgetList visited;
    bool intoWebPage = false;
    for (int presses = 0; presses < 200; ++presses) {
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        if (!focus || !page->isAncestorOf(focus) || visited.contains(focus))
            break;
        QVERIFY2(!isDecorative(focus), qPrintable(describe(focus) + " is a picture but takes the focus"));
        if (insideWebView(focus)) {
            intoWebPage = true;
            break;
        }
        visited << focus;
    }
    for (int i = 1; i < visited.size(); ++i)
        QVERIFY2(
                !readsBefore(visited[i], visited[i - 1]),
                qPrintable(QString("Tab goes from %1 back to %2").arg(describe(visited[i - 1]), describe(visited[i]))));
    if (!intoWebPage) {
        for (QWidget *w : page->findChildren<QWidget *>())
            QVERIFY2(!isTabStop(w) || visited.contains(w), qPrintable(describe(w) + " is never reached by Tab"));
    }
    for (QWidget *w : m_window->findChildren<QWidget *>())
        QVERIFY2(!isDecorative(w) || w->focusPolicy() == Qt::NoFocus,
                 qPrintable(describe(w) + " is a picture that takes focus"));
}

void TestGalleryPages::popupsHaveTitles_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    const QStringList windows{"FrameWidget 框架窗口",
                              "PopupWindow 弹出窗口",
                              "PopupDialog 弹出对话框",
                              "KwTwinkleFrameDialog 闪烁对话框",
                              "PopupTwinkleFrameDialog 闪烁弹窗",
                              "信息 showInformation",
                              "询问 showQuestion",
                              "警告 showWarning",
                              "错误 showError",
                              "关于 showAbout"};
    for (const QString &text : windows)
        QTest::newRow(qPrintable(text)) << 1 << text;
    QTest::newRow("快捷键 KeyTipsDlg") << 7 << "快捷键 KeyTipsDlg";
    QTest::newRow("status bar ?") << -1 << "?";
}

// Each popup is looked at while it is up, modal or not, then closed.
void TestGalleryPages::popupsHaveTitles()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    closeOtherWindows(m_window);
    QWidget *area = m_window;
    if (page >= 0) {
        m_window->showPage(page);
        area = m_window->page(page);
    }
    QAbstractButton *opener = nullptr;
    for (QAbstractButton *b : area->findChildren<QAbstractButton *>())
        if (b->text() == button && b->isVisible())
            opener = b;
    QVERIFY(opener);

    QStringList seen;
    QStringList problems;
    QTimer::singleShot(400, this, [&] {
        for (QWidget *top : shownWindows())
            if (top != m_window)
                seen << top->windowTitle();
        problems = untitledWindows();
        closeOtherWindows(m_window);
    });
    opener->click();
    QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 3000);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TestGalleryPages::webEngineSettingsKeepTheUsers_data()
{
    QTest::addColumn<QByteArray>("flags"); // null: not set
    QTest::addColumn<QByteArray>("sandbox");
    QTest::newRow("nothing set") << QByteArray() << QByteArray();
    QTest::newRow("the user's flags") << QByteArray("--enable-logging") << QByteArray();
    QTest::newRow("the user's empty flags") << QByteArray("") << QByteArray();
    QTest::newRow("the user's sandbox choice") << QByteArray() << QByteArray("0");
}

// Switches are only added where the user said nothing; root always runs without the sandbox.
void TestGalleryPages::webEngineSettingsKeepTheUsers()
{
    QFETCH(QByteArray, flags);
    QFETCH(QByteArray, sandbox);
    const QByteArray savedFlags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    const QByteArray savedSandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    const auto set = [](const char *name, const QByteArray &value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    set("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    set("QTWEBENGINE_DISABLE_SANDBOX", sandbox);
    prepareWebEngineEnvironment();
    const QByteArray flagsAfter = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    const QByteArray sandboxAfter = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    const bool flagsWereSet = qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS");
    set("QTWEBENGINE_CHROMIUM_FLAGS", savedFlags);
    set("QTWEBENGINE_DISABLE_SANDBOX", savedSandbox);

    const bool root = ::geteuid() == 0;
    if (!flags.isNull())
        QCOMPARE(flagsAfter, flags);
    else if (root)
        QVERIFY2(flagsAfter.split(' ').contains("--no-sandbox"), flagsAfter.constData());
    else
        QVERIFY(!flagsWereSet || !flagsAfter.split(' ').contains("--no-sandbox"));
    if (!sandbox.isNull())
        QCOMPARE(sandboxAfter, sandbox);
    else
        QCOMPARE(sandboxAfter, root ? QByteArray("1") : QByteArray());
}

// The title bar's switch rebuilds the window in the other language, on the page it was on and
// where it was, as large as before unless the new words need more room; a second press brings
// the first language back.
void TestGalleryPages::languageSwitchKeepsThePage()
{
    qRegisterMetaType<GalleryWindow *>();
    closeOtherWindows(m_window);
    const bool english = GalleryShell::isEnglish();
    const QString title = m_window->windowTitle();
    m_window->showPage(QuotePage);

    for (int press = 1; press <= 2; ++press) {
        GalleryWindow *before = m_window;
        const QRect geometry = before->geometry();
        auto *button = before->findChild<QToolButton *>("languageButton");
        QVERIFY(button);
        QCOMPARE(button->text(), GalleryShell::isEnglish() ? QString("中") : QString("EN"));
        QSignalSpy replaced(m_shell.get(), &GalleryShell::windowReplaced);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(replaced.wait(5000));
        m_window = m_shell->window();
        QVERIFY(m_window != before);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QCOMPARE(GalleryShell::isEnglish(), press == 1 ? !english : english);
        QCOMPARE(m_window->currentPage(), QuotePage);
        QCOMPARE(m_window->pos(), geometry.topLeft());
        QCOMPARE(m_window->size(), geometry.size().expandedTo(m_window->minimumSize()));
        // The new window took the old one's place on the message bus.
        m_window->page(0)->sendMessage("gallery//quotes", {{"code", "600519"}}, false);
        QVERIFY2(m_window->page(QuotePage)->resultText().contains("600519"),
                 qPrintable(m_window->page(QuotePage)->resultText()));
        if (press == 1)
            QVERIFY2(m_window->windowTitle() != title, qPrintable(m_window->windowTitle()));
    }
    QCOMPARE(m_window->windowTitle(), title);
    QCOMPARE(m_window->windowTitle(),
             GalleryShell::isEnglish() ? QString("KwControls Widget Gallery") : QString("KwControls 控件库演示"));
}

int main(int argc, char *argv[])
{
    // What the gallery's main does before its application exists.
    prepareWebEngineEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    TestGalleryPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gallerypages.moc"
