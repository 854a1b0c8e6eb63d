#pragma once

#include <QLoggingCategory>

// The log category of KwControlsCore: windows, bars, tables, chart tools, small widgets. Not installed.
// Turn its lines on or off with QT_LOGGING_RULES, e.g. "kw.controls.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcControls)
