// The anchor of the start-up figures: a plain Qt program that shows one dialog of the updater's
// size and quits once it is on screen. Built twice: alone, and linked with KwControlsCore
// (KW_LINK_CORE), which must cost next to nothing at start.
#include "quitwhenshown.h"

#include <QApplication>
#include <QDialog>

#ifdef KW_LINK_CORE
#include "bus/kwobject.h"
// Takes the address of one function, so the program really depends on the library (and loads
// it) without running any of its code.
void (*volatile kwKeepLinked)() = &KwObject::init;
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(510, 310);
    new QuitWhenShown(&dialog);
    dialog.show();
    return app.exec();
}
