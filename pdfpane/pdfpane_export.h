#pragma once

#include <QtGlobal>

#if defined(PDFPANE_LIBRARY)
#define PDFPANE_EXPORT Q_DECL_EXPORT
#else
#define PDFPANE_EXPORT Q_DECL_IMPORT
#endif
