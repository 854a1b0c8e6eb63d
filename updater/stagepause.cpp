#include "stagepause.h"

#include "updatercategory_p.h"

#include <QByteArray>
#include <QDebug>
#include <QThread>

namespace {

struct Pause
{
    QByteArray stage;
    long msec = -1; // -1: for ever
};

const Pause &configured()
{
    static const Pause pause = [] {
        Pause p;
        const QByteArray value = qgetenv("KW_UPDATE_TEST_PAUSE");
        const int colon = value.indexOf(':');
        p.stage = colon < 0 ? value : value.left(colon);
        if (colon >= 0)
            p.msec = value.mid(colon + 1).toLong();
        return p;
    }();
    return pause;
}

} // namespace

void pauseAtStage(const char *stage)
{
    const Pause &pause = configured();
    if (pause.stage.isEmpty() || pause.stage != stage)
        return;
    qCDebug(lcUpdate).noquote() << "test pause at" << stage;
    if (pause.msec >= 0) {
        QThread::msleep(static_cast<unsigned long>(pause.msec));
        return;
    }
    for (;;)
        QThread::sleep(3600);
}
