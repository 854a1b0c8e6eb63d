#pragma once

#include "kwcontrolsweb_export.h"

#include <QWebEnginePage>

class QWebEngineProfile;

// The page of every web view the library makes. The engine would print each console message
// of a page's scripts ("js: ...") on the program's output; here they go to the logging category
// "kw.web.console", which says nothing unless asked to (QT_LOGGING_RULES="kw.web.console=true"):
// errors and warnings at the info level, the rest at the debug level.
class KWCONTROLSWEB_EXPORT InternalWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    // A page of sharedProfile().
    explicit InternalWebPage(QObject *parent = nullptr);

    // The profile the library's pages share, keeping cookies and storage on disk between runs:
    // Qt's default profile up to Qt 5. From Qt 6 on the default profile keeps nothing, so the
    // pages get one of their own, stored under the name "KwControls" in the application's data
    // folder.
    static QWebEngineProfile *sharedProfile();

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;
};
