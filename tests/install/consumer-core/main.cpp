// A program without web pages: a page on the message bus and a frameless window's caption.
// Prints "core consumer: ok" when both answered as they should.
#include "bus/kwobject.h"
#include "window/framewidget.h"
#include "window/titlebar.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>

class Page : public KwObject
{
public:
    explicit Page(const QString &name)
        : KwObject(name)
    {
    }
    void onMessage(const QString &, const std::map<QString, QString> &params) override
    {
        code = params.count("code") ? params.at("code") : QString();
    }
    QString code;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    KwObject::init();
    Page root("main");
    Page quote("quote");
    quote.setOwner(&root);
    root.sendMessage("main//quote", {{"code", "600000"}}, false);

    FrameWidget frame(nullptr, "frame");
    frame.create();
    frame.setWindowTitle("行情");
    const QString caption = frame.findChild<QLabel *>("titleName")->text();

    const bool ok = quote.code == "600000" && caption == "行情";
    std::printf("core consumer: %s\n", ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}
