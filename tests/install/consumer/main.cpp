// Uses the installed library the way a client program does: a page on the message bus, a context
// menu from the built-in configuration, the PDF viewer's compiled-in resources, and a Designer
// form whose generated code includes the installed headers of three widgets. Prints
// "consumer: ok" and exits 0 when everything answered as it should.
#include "bus/kwobject.h"
#include "dataview/kwmenu.h"
#include "menuconfig.h"
#include "pdfjsbridge.h"
#include "ui_quoteform.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QStandardItemModel>

#include <cstdio>

class QuotePage : public KwObject
{
public:
    explicit QuotePage(const QString &name)
        : KwObject(name)
    {
    }

    void onMessage(const QString &from, const std::map<QString, QString> &params) override
    {
        ++received;
        lastFrom = from;
        lastParams = params;
    }

    int received = 0;
    QString lastFrom;
    std::map<QString, QString> lastParams;
};

static int fail(const char *what)
{
    std::fprintf(stderr, "consumer: %s\n", what);
    return 1;
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    KwObject::init();

    QuotePage home("main");
    home.attachMessageBus(true);
    QuotePage quote("quote");
    quote.setOwner(&home);
    const std::map<QString, QString> sent{{"code", "600000"}, {"name", QString::fromUtf8("浦发银行 & co")}};
    home.sendMessage("main//quote", sent, true);
    if (quote.received != 1 || quote.lastFrom != "main" || quote.lastParams != sent)
        return fail("the bus did not deliver the message to main//quote");

    const QList<MenuItemInfo> infos = MenuConfig::menuItemInfo("quoteList");
    if (infos.isEmpty())
        return fail("no built-in quoteList menu");
    KwMenu menu(QStringLiteral("quoteList"));
    if (menu.actions().size() != infos.size())
        return fail("the menu does not hold the configured entries");
    int triggered = 0;
    QObject::connect(&menu, &KwMenu::actionTriggered, [&](int id) { triggered = id; });
    menu.actions().constLast()->trigger();
    if (triggered != infos.constLast().id)
        return fail("the menu reported a wrong id");

    if (QString(PdfJsBridge::staticMetaObject.className()) != "PdfJsBridge" || !QFile::exists(":/pdfpane/viewer.html"))
        return fail("the PDF viewer library or its resources are missing");

    // The form as its owner uses it: the generated code made the widgets with their properties;
    // the table gets the form's scroll bars and a model, and scrolls by hiding rows.
    QWidget form;
    Ui::QuoteForm ui;
    ui.setupUi(&form);
    if (ui.tabs->csubTabType() != CSubTab::Child_Tab || ui.colorButton->color() != QColor(Qt::red))
        return fail("the form's widgets did not get the properties it sets");
    QStandardItemModel quotes(200, 12);
    ui.table->setFrozenRowCount(1);
    ui.table->setFrozenColCount(2);
    ui.table->setOutsideHorizontalBar(ui.hbar);
    ui.table->setOutsideVerticalBar(ui.vbar);
    ui.table->setModel(&quotes);
    form.show();
    QCoreApplication::processEvents();
    ui.vbar->setValue(ui.vbar->minimum() + 10);
    if (ui.vbar->maximum() <= ui.vbar->minimum() || !ui.table->isRowHidden(1) || ui.table->isRowHidden(0))
        return fail("the form's table does not scroll by its outside bar");

    std::puts("consumer: ok");
    return 0;
}
