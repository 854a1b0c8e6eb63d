#pragma once

/// \file
/// InternalWebPage: the page of every web view the library makes.

#include "kwcontrolsweb_export.h"

#include <QWebEnginePage>

class QWebEngineProfile;

/// The page of every web view the library makes.
///
/// The engine would print each console message of a page's scripts ("js: ...") on the program's
/// output; here they go to the logging category "kw.web.console", which says nothing unless asked
/// to (`QT_LOGGING_RULES="kw.web.console=true"`): errors and warnings at the info level, the rest
/// at the debug level, each with its source and line when the script has one.
///
/// Ownership: an ordinary QObject; a view does not take over a page it is given unless the page
/// is its child. Threading: GUI thread only.
/// \ingroup web
class KWCONTROLSWEB_EXPORT InternalWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    /// A page of sharedProfile().
    explicit InternalWebPage(QObject *parent = nullptr);

    /// The profile the library's pages share, keeping cookies and storage on disk between runs.
    ///
    /// Qt's default profile up to Qt 5. From Qt 6 on the default profile keeps nothing, so the
    /// pages get one of their own, stored under the name "KwControls" in the application's data
    /// folder; it is made on first use and belongs to Qt's default profile, so it goes when the
    /// web engine takes its profiles down.
    static QWebEngineProfile *sharedProfile();

protected:
    /// Sends the console message of a page's script to the "kw.web.console" logging category
    /// instead of the program's output.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;
};
