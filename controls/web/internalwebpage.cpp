#include "web/internalwebpage.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcConsole, "kw.web.console", QtWarningMsg)

InternalWebPage::InternalWebPage(QObject *parent)
    : QWebEnginePage(parent)
{
}

void InternalWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                               int lineNumber, const QString &sourceID)
{
    // Scripts the host runs have no source of their own.
    const QString where = sourceID.isEmpty() ? QString() : QStringLiteral("%1:%2:").arg(sourceID).arg(lineNumber);
    switch (level) {
    case ErrorMessageLevel:
        qCInfo(lcConsole).noquote() << "error" << where << message;
        break;
    case WarningMessageLevel:
        qCInfo(lcConsole).noquote() << "warning" << where << message;
        break;
    case InfoMessageLevel:
        qCDebug(lcConsole).noquote() << where << message;
        break;
    }
}
