#include "updatercategory_p.h"

Q_LOGGING_CATEGORY(lcUpdate, "kw.update")
