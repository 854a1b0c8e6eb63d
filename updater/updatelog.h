#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

// The updater's log: every Qt message of the process, as bare text, one per line, flushed at
// once.
//
// The log sits in a folder every user can write, so the path is never trusted: a link there
// is replaced by a file of our own instead of being followed, and anything that is not a
// regular file (a FIFO, a device) is left alone, the messages going to standard error.
class UpdateLog
{
public:
    enum Mode {
        FromStart, // this run's lines only
        Append // after what is there: another run owns the log and keeps writing it
    };

    // Opens `path` (creating its folder) and routes the message log to it.
    UpdateLog(const QString &path, Mode mode);
    ~UpdateLog();

    bool isOpen() const { return m_file.isOpen(); }
    void close();

private:
    bool openFile(const QString &path, Mode mode);

    QFile m_file;
};

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);
