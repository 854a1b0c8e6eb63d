#include "eventwait.h"

#include <QEventLoop>
#include <QTimer>

void waitHandlingEvents(int msec)
{
    QEventLoop loop;
    QTimer::singleShot(qMax(0, msec), &loop, &QEventLoop::quit);
    loop.exec();
}
