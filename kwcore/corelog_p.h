#pragma once

#include <QLoggingCategory>

// The log category of KwCore: configuration, all-users folders, downloads. Not installed.
// Turn its lines on or off with QT_LOGGING_RULES, e.g. "kw.core.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcCore)
