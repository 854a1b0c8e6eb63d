#include "corelog_p.h"

Q_LOGGING_CATEGORY(lcCore, "kw.core")
