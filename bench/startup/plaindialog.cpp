// The anchor of the start-up figures: a plain Qt program that shows one dialog of the updater's
// size and quits once it is on screen. Built four times: alone, linked with KwControlsCore
// (KW_LINK_CORE), which must cost next to nothing at start, linked with the web library
// KwControls (KW_LINK_WEB), which loads the web engine, and showing one wrapped sentence of
// Chinese text (KW_SHOW_TEXT), which loads and shapes the system's fonts as any window with
// words must.
#include "quitwhenshown.h"

#include <QApplication>
#include <QDialog>
#ifdef KW_SHOW_TEXT
#include <QLabel>
#include <QVBoxLayout>
#endif

// Each takes the address of one function, so the program really depends on the library (and
// loads it) without running any of its code.
#ifdef KW_LINK_CORE
#include "bus/kwobject.h"
void (*volatile kwKeepLinked)() = &KwObject::init;
#endif
#ifdef KW_LINK_WEB
#include "web/baseview.h"
bool (*volatile kwKeepLinked)() = &BaseView::exists;
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(510, 310);
#ifdef KW_SHOW_TEXT
    auto *label = new QLabel(QString::fromUtf8("没有找到更新参数，请从客户端重新发起更新。"), &dialog);
    label->setWordWrap(true);
    (new QVBoxLayout(&dialog))->addWidget(label);
#endif
    new QuitWhenShown(&dialog);
    dialog.show();
    return app.exec();
}
