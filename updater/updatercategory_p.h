#pragma once

#include <QLoggingCategory>

// The log category of KwUpdate: the update run; its lines also go to the update log. Not installed.
// Turn its lines on or off with QT_LOGGING_RULES, e.g. "kw.update.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcUpdate)
