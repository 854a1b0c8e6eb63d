#include "web/weblog_p.h"

Q_LOGGING_CATEGORY(lcWeb, "kw.controls.web")
