#include "web/internalwebchannel.h"

InternalWebChannel::InternalWebChannel(QObject *parent)
    : QObject(parent)
{
}

void InternalWebChannel::receiveText(QString content)
{
    emit signalRcvContentFromNet(content);
}
