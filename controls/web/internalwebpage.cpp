#include "web/internalwebpage.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QWebEngineProfile>

Q_LOGGING_CATEGORY(lcConsole, "kw.web.console", QtWarningMsg)

InternalWebPage::InternalWebPage(QObject *parent)
    : QWebEnginePage(sharedProfile(), parent)
{
}

QWebEngineProfile *InternalWebPage::sharedProfile()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Owned by Qt's default profile, so that it goes when the engine takes its own profiles down
    // at the application's end, and never while the engine still uses it.
    static QPointer<QWebEngineProfile> profile;
    if (!profile)
        profile = new QWebEngineProfile(QStringLiteral("KwControls"), QWebEngineProfile::defaultProfile());
    return profile;
#else
    return QWebEngineProfile::defaultProfile();
#endif
}

void InternalWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                               int lineNumber, const QString &sourceID)
{
    // Scripts the host runs have no source of their own.
    const QString where = sourceID.isEmpty() ? QString() : QStringLiteral("%1:%2:").arg(sourceID).arg(lineNumber);
    switch (level) {
    case ErrorMessageLevel: qCInfo(lcConsole).noquote() << "error" << where << message; break;
    case WarningMessageLevel: qCInfo(lcConsole).noquote() << "warning" << where << message; break;
    case InfoMessageLevel: qCDebug(lcConsole).noquote() << where << message; break;
    }
}
