#pragma once

#include <QtGlobal>

// Marks the classes of the web library (KwControls: web views and the PDF popup). The other
// families are marked with KWCONTROLS_EXPORT and live in KwControlsCore.
#if defined(KWCONTROLSWEB_LIBRARY)
#define KWCONTROLSWEB_EXPORT Q_DECL_EXPORT
#else
#define KWCONTROLSWEB_EXPORT Q_DECL_IMPORT
#endif
