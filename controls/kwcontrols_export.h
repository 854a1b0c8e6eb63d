#pragma once

#include <QtGlobal>

// Marks the classes of KwControlsCore (every family but the web one).
#if defined(KWCONTROLS_LIBRARY)
#define KWCONTROLS_EXPORT Q_DECL_EXPORT
#else
#define KWCONTROLS_EXPORT Q_DECL_IMPORT
#endif
