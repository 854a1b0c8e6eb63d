// The library's and the updater's texts under the built-in English catalogues, and the Chinese
// they are written in without them: what a client sees after KwControls::installTranslator()
// and what KwUpdate shows on an English system.

#include "kwtranslations.h"
#include "kwupdatewindow.h"
#include "kwupdateuictrl.h"
#include "updatestages.h"
#include "qttranslations.h"
#include "updatefailure.h"
#include "updatelanguage.h"

#include "bus/kwobject.h"
#include "charttools/colorcontrolwidget.h"
#include "charttools/customcolordlg.h"
#include "charttools/fontpropertydlg.h"
#include "charttools/kwcolorcombobox.h"
#include "charttools/kwcolortoolbutton.h"
#include "charttools/kwpentoolbutton.h"
#include "charttools/linecontrol.h"
#include "charttools/linesettingdialog.h"
#include "charttools/parasettingdialog.h"
#include "charttools/pickertext.h"
#include "dataview/kwmenu.h"
#include "kwcfg.h"
#include "widgets/bellbutton.h"
#include "widgets/drawkeycanvas.h"
#include "widgets/keytipsdlg.h"
#include "widgets/kwresulthintpage.h"
#include "window/mesbox.h"
#include "window/titlebar.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QResource>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// What a person sees of the widgets the tests look at.
struct Shown
{
    QStringList boxButtons; // MesBox: Yes, No, Cancel
    QString boxTitle; // MesBox's default title
    QString boxCloseTip; // its title bar's close button
    QStringList colorButtons; // CustomColorDlg: submit, cancel
    QString colorTitle;
    QString failTitle; // the update window's failure page
    QString failReason;
    QString failClose;
    QString failTip; // the progress line under it
    QString restart; // the end page's check box
    QString dashed; // a pen style's name
    QString menuEntry; // the first entry of the built-in "quoteList" menu
    QStringList withChinese; // every visible text that holds Chinese
};

// Chinese characters, the common block.
const QRegularExpression han(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));

void collectChinese(QWidget *top, QStringList *out)
{
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *w : widgets) {
        QStringList texts{w->toolTip(), w->accessibleName(), w->isWindow() ? w->windowTitle() : QString()};
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        for (const QString &text : qAsConst(texts))
            if (text.contains(han))
                *out << QString("%1 \"%2\": %3").arg(w->metaObject()->className(), w->objectName(), text);
    }
}

Shown look()
{
    Shown shown;
    {
        MesBox box(nullptr, MesBox::tr("Tip"), QStringLiteral("KwControls"),
                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        // The default title is a default argument: made where the call is, by the same tr().
        MesBox defaulted;
        auto *buttons = box.findChild<QDialogButtonBox *>();
        for (auto which : {QDialogButtonBox::Yes, QDialogButtonBox::No, QDialogButtonBox::Cancel})
            shown.boxButtons << (buttons && buttons->button(which) ? buttons->button(which)->text()
                                                                   : QString("(none)"));
        shown.boxTitle = defaulted.windowTitle();
        if (auto *close = box.findChild<QAbstractButton *>("closeBtn"))
            shown.boxCloseTip = close->toolTip();
        collectChinese(&box, &shown.withChinese);
    }
    {
        CustomColorDlg dialog;
        for (const char *name : {"submit", "cancel"})
            if (auto *button = dialog.findChild<QAbstractButton *>(name))
                shown.colorButtons << button->text();
        if (auto *title = dialog.findChild<QWidget *>("title"))
            if (auto *label = title->findChild<QLabel *>())
                shown.colorTitle = label->text();
        collectChinese(&dialog, &shown.withChinese);
    }
    {
        KwUpdateWindow window;
        window.failBeforeStart(int(UpdateFailure::Network), QStringLiteral("test"));
        // The window makes a page when it first goes there: visit the two a failure skips.
        auto *pages = window.findChild<KwUpdateUiCtrl *>();
        pages->slotUpdatePage(UpdatePage::Progress);
        pages->slotUpdatePage(UpdatePage::End);
        pages->slotUpdatePage(UpdatePage::Failure);
        shown.failTitle = window.findChild<QLabel *>("lab_fail_title")->text();
        shown.failReason = window.findChild<QLabel *>("lab_fail_reason")->text();
        shown.failClose = window.findChild<QAbstractButton *>("btn_fail_close")->text();
        shown.failTip = window.findChild<QLabel *>("lab_mid_update_tips")->text();
        shown.restart = window.findChild<QCheckBox *>("cbox_end_sel")->text();
        collectChinese(&window, &shown.withChinese);
    }
    shown.dashed = kwPenStyleName(Qt::DashLine);
    KwMenu menu(QStringLiteral("quoteList"));
    shown.menuEntry = menu.actions().isEmpty() ? QString() : menu.actions().first()->text();
    return shown;
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

// Every text of the built-in configuration a person can read.
QStringList builtInTexts()
{
    QStringList texts;
    const QJsonObject config = readJson(Kwcfg::defaultConfigPath());
    for (const QJsonValue &menu : config.value("menus").toObject())
        for (const QJsonValue &entry : menu.toArray())
            texts << entry.toObject().value("text").toString() << entry.toObject().value("tip").toString();
    for (const QJsonValue &indicator : config.value("indicators").toObject())
        texts << indicator.toObject().value("displayName").toString();
    for (const QJsonValue &key : readJson(Kwcfg::defaultShortcutPath()).value("keys").toArray())
        texts << key.toObject().value("name").toString();
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

// Back to the texts as written, whatever a test installed.
void backToChinese()
{
    KwControls::installTranslator(QLocale(QLocale::Chinese, QLocale::China));
    removeTranslation(QStringLiteral("kwupdate"));
    installQtTranslations();
}

const QLocale English(QLocale::English, QLocale::UnitedStates);

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void chineseAsWritten_data();
    void chineseAsWritten();
    void englishEverywhere_data();
    void englishEverywhere();
    void anotherLanguageKeepsTheCurrentOne();
    void builtInConfigurationInEnglish();
    void updaterPicturesFollowTheLocale();
    void noChineseLeftInEnglish();

private:
    QTemporaryDir m_allUsers;
};

void TestTranslations::initTestCase()
{
    QVERIFY(m_allUsers.isValid());
    qputenv("KW_ALLUSERS_DIR", m_allUsers.path().toUtf8());
    KwObject::init();
}

void TestTranslations::cleanup()
{
    backToChinese();
}

// Without a catalogue, and after going back from English however often it was installed, the
// texts are exactly the Chinese they are written in.
void TestTranslations::chineseAsWritten_data()
{
    QTest::addColumn<QStringList>("library"); // KwControls::installTranslator calls, in order
    QTest::addColumn<QString>("system"); // KwUpdate's system locale; empty: not called
    QTest::addColumn<bool>("updaterEnglish");
    QTest::newRow("no catalogue") << QStringList() << QString() << false;
    QTest::newRow("Chinese asked for") << QStringList{"zh_CN"} << QString() << false;
    QTest::newRow("English, then Chinese") << QStringList{"en_US", "zh_CN"} << QString() << false;
    QTest::newRow("English twice, then Chinese") << QStringList{"en_US", "en_GB", "zh_CN"} << QString() << false;
    QTest::newRow("Chinese system") << QStringList() << "zh_CN" << false;
    QTest::newRow("Taiwanese system") << QStringList() << "zh_TW" << false;
    QTest::newRow("German system") << QStringList() << "de_DE" << false;
}

void TestTranslations::chineseAsWritten()
{
    QFETCH(QStringList, library);
    QFETCH(QString, system);
    QFETCH(bool, updaterEnglish);
    for (const QString &locale : library)
        QVERIFY(KwControls::installTranslator(QLocale(locale)));
    if (!system.isEmpty())
        QCOMPARE(installUpdaterLanguage(QLocale(system)), updaterEnglish);

    const Shown shown = look();
    QCOMPARE(shown.boxButtons, (QStringList{"是", "否", "取消"}));
    QCOMPARE(shown.boxTitle, QString("Tip"));
    QCOMPARE(shown.boxCloseTip, QString("关闭"));
    QCOMPARE(shown.colorButtons, (QStringList{"确定", "取消"}));
    QCOMPARE(shown.colorTitle, QString("颜色"));
    QCOMPARE(shown.failTitle, QString("更新失败"));
    QCOMPARE(shown.failReason, QString("无法下载更新包，请检查网络连接后重试。"));
    QCOMPARE(shown.failClose, QString("关闭"));
    QCOMPARE(shown.failTip, QString("更新失败，已保留原有程序"));
    QCOMPARE(shown.restart, QString("重新启动KWFN"));
    QCOMPARE(shown.dashed, QString("虚线"));
    QCOMPARE(shown.menuEntry, QString("添加自选"));
}

// English from the library's call and from the updater's rule alike, for any English locale:
// no Chinese left on any of the widgets looked at.
void TestTranslations::englishEverywhere_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("twice");
    QTest::newRow("en_US") << "en_US" << false;
    QTest::newRow("en_GB") << "en_GB" << false;
    QTest::newRow("en_US twice") << "en_US" << true;
}

void TestTranslations::englishEverywhere()
{
    QFETCH(QString, locale);
    QFETCH(bool, twice);
    QVERIFY(KwControls::installTranslator(QLocale(locale)));
    QVERIFY(installUpdaterLanguage(QLocale(locale)));
    if (twice) {
        QVERIFY(KwControls::installTranslator(QLocale(locale)));
        QVERIFY(installUpdaterLanguage(QLocale(locale)));
    }

    const Shown shown = look();
    QCOMPARE(shown.boxButtons, (QStringList{"Yes", "No", "Cancel"}));
    QCOMPARE(shown.boxTitle, QString("Tip"));
    QCOMPARE(shown.boxCloseTip, QString("Close"));
    QCOMPARE(shown.colorButtons, (QStringList{"OK", "Cancel"}));
    QCOMPARE(shown.colorTitle, QString("Color"));
    QCOMPARE(shown.failTitle, QString("Update failed"));
    QCOMPARE(shown.failReason, QCoreApplication::translate("UpdateFailure", "无法下载更新包，请检查网络连接后重试。"));
    QVERIFY(shown.failReason.startsWith("The update package could not be downloaded"));
    QCOMPARE(shown.failClose, QString("Close"));
    QCOMPARE(shown.restart, QString("Restart KWFN"));
    QCOMPARE(shown.dashed, QString("Dashed"));
    QCOMPARE(shown.menuEntry, QString("Add to Watchlist"));
    QVERIFY2(shown.withChinese.isEmpty(), qPrintable(shown.withChinese.join('\n')));
}

// A language without a catalogue is refused and leaves the one installed before in place.
void TestTranslations::anotherLanguageKeepsTheCurrentOne()
{
    QVERIFY(!KwControls::installTranslator(QLocale(QLocale::German, QLocale::Germany)));
    QCOMPARE(look().colorButtons, (QStringList{"确定", "取消"}));
    QVERIFY(KwControls::installTranslator(English));
    QVERIFY(!KwControls::installTranslator(QLocale(QLocale::French, QLocale::France)));
    QCOMPARE(look().colorButtons, (QStringList{"OK", "Cancel"}));
}

// The built-in configuration's texts are shown in the installed language, and as written
// without a catalogue; one added to the defaults but not listed for the catalogue stays
// Chinese, which this finds. The configuration keeps them as written.
void TestTranslations::builtInConfigurationInEnglish()
{
    const QStringList texts = builtInTexts();
    QVERIFY(texts.size() > 40);
    for (const QString &text : texts)
        QCOMPARE(Kwcfg::displayText(text), text);

    QVERIFY(KwControls::installTranslator(English));
    QStringList untranslated;
    for (const QString &text : texts)
        if (Kwcfg::displayText(text) == text || Kwcfg::displayText(text).contains(han))
            untranslated << text;
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
    QCOMPARE(Kwcfg::displayText(QStringLiteral("我的自选")), QString("我的自选"));
    QCOMPARE(Kwcfg::getInstance()->menuItems(QStringLiteral("quoteList")).value(0).text, QString("添加自选"));
}

// The updater's pictures with words drawn in them come in English for an English system: the
// resources pick them by the default locale, the system's. Any other language gets the Chinese
// ones, and the pictures without words are shared.
void TestTranslations::updaterPicturesFollowTheLocale()
{
    KwUpdateWindow window; // registers the updater's resources
    const auto picture = [](const QString &name, const QLocale &locale) {
        return QResource(":/img/" + name, locale).uncompressedData();
    };
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    const QStringList worded{"install-update-BG_03.png",   "Update-BG.png",        "Update complete-BG.png",
                             "Update failed-BG.png",       "install-button02.png", "install-button03.png",
                             "install-button04_hover.png", "install-button05.png"};
    for (const QString &name : worded) {
        QVERIFY2(!picture(name, chinese).isEmpty(), qPrintable(name));
        QVERIFY2(picture(name, English) != picture(name, chinese), qPrintable(name + " has no English picture"));
        QCOMPARE(picture(name, QLocale(QLocale::English, QLocale::UnitedKingdom)), picture(name, English));
        QCOMPARE(picture(name, QLocale(QLocale::German, QLocale::Germany)), picture(name, chinese));
        QCOMPARE(picture(name, QLocale::c()), picture(name, chinese));
    }
    QCOMPARE(picture("Checked.png", English), picture("Checked.png", chinese));
}

// Every widget of the library that shows words of its own, made under the English catalogue:
// none may show Chinese, which catches a text left out of tr() and a tr() whose context at
// run time is not the one lupdate gave it (a class without Q_OBJECT, a base class's tr()).
void TestTranslations::noChineseLeftInEnglish()
{
    QVERIFY(KwControls::installTranslator(English));
    QStringList chinese;
    std::vector<std::unique_ptr<QWidget>> widgets;
    widgets.emplace_back(new LineSettingDialog);
    widgets.emplace_back(new ArrowSettingDialog);
    widgets.emplace_back(new FontPropertyDlg);
    auto *para = new ParaSettingDialog;
    para->setIndi("MACD");
    widgets.emplace_back(para);
    widgets.emplace_back(new ColorControlWidget);
    widgets.emplace_back(new KwColorComboBox);
    widgets.emplace_back(new KwColorToolButton);
    auto *styles = new KwPenStyleButton;
    styles->setItems({Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine});
    widgets.emplace_back(styles);
    auto *pens = new KwPenWidthButton;
    pens->setItems({1, 2, 3});
    widgets.emplace_back(pens);
    widgets.emplace_back(new LineControl);
    widgets.emplace_back(new LineTypeControl);
    widgets.emplace_back(new BellButton);
    widgets.emplace_back(new KwResultHintPage);
    auto *title = new TitleBar;
    title->setIconName("icon");
    title->createTitleBar();
    widgets.emplace_back(title);
    auto *tips = new KeyTipsDlg;
    widgets.emplace_back(tips);
    // The pickers' menus are windows of their own, but children all the same: looked at too.
    for (const auto &widget : widgets)
        collectChinese(widget.get(), &chinese);
    // The shortcut window draws its words: its canvases hold them.
    for (DrawKeyCanvas *canvas : tips->findChildren<DrawKeyCanvas *>()) {
        QStringList words{canvas->getTitle(), canvas->getNotice()};
        for (const DrawKeyCanvas::KeyItem &item : canvas->getItems())
            words << item.second;
        for (const QString &word : qAsConst(words))
            if (word.contains(han))
                chinese << "DrawKeyCanvas: " + word;
    }
    QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join('\n')));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
