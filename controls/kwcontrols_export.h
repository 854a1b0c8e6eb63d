#pragma once

#include <QtGlobal>

#if defined(KWCONTROLS_LIBRARY)
#define KWCONTROLS_EXPORT Q_DECL_EXPORT
#else
#define KWCONTROLS_EXPORT Q_DECL_IMPORT
#endif
