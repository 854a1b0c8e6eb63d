#include "pdfpanelog_p.h"

Q_LOGGING_CATEGORY(lcPdfPane, "kw.pdfpane")
