#include "controlslog_p.h"

Q_LOGGING_CATEGORY(lcControls, "kw.controls")
