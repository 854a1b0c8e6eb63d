#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

// The updater's log: every Qt message of the process, as bare text, one per line, flushed at
// once. Each run starts the file afresh, so it holds this run's lines only.
class UpdateLog
{
public:
    // Opens `path` (creating its folder) and routes the message log to it. When the file
    // cannot be opened the run goes on and the messages are lost.
    explicit UpdateLog(const QString &path);
    ~UpdateLog();

    bool isOpen() const { return m_file.isOpen(); }
    void close();

private:
    QFile m_file;
};

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);
