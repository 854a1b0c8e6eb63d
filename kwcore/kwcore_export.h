#pragma once

#include <QtGlobal>

#if defined(KWCORE_LIBRARY)
#define KWCORE_EXPORT Q_DECL_EXPORT
#else
#define KWCORE_EXPORT Q_DECL_IMPORT
#endif
