#pragma once

#include "kwcontrolsweb_export.h"

#include <QObject>
#include <QString>

// The object a page reaches as "content" through the web channel: the page hands text to the
// host with content.receiveText(text).
class KWCONTROLSWEB_EXPORT InternalWebChannel : public QObject
{
    Q_OBJECT

public:
    explicit InternalWebChannel(QObject *parent = nullptr);

    Q_INVOKABLE void receiveText(QString content);

signals:
    void signalRcvContentFromNet(QString content);
};
