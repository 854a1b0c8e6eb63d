#pragma once

#include <QLoggingCategory>

// The log category of pdfpane: the PDF viewer bridge. Not installed.
// Turn its lines on or off with QT_LOGGING_RULES, e.g. "kw.pdfpane.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcPdfPane)
