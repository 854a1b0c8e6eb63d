#pragma once

#include "kwcontrolsweb_export.h"

#include <QWebEnginePage>

// The page of every web view the library makes. The engine would print each console message
// of a page's scripts ("js: ...") on the program's output; here they go to the logging category
// "kw.web.console", which says nothing unless asked to (QT_LOGGING_RULES="kw.web.console=true"):
// errors and warnings at the info level, the rest at the debug level.
class KWCONTROLSWEB_EXPORT InternalWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit InternalWebPage(QObject *parent = nullptr);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;
};
