#pragma once

#include <QLoggingCategory>

// The log category of KwControls: the web views and the PDF popup. Not installed.
// Turn its lines on or off with QT_LOGGING_RULES, e.g. "kw.controls.web.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcWeb)
