#include "pagers/PagersLogging.h"

Q_LOGGING_CATEGORY(lcPagers, "tavrin.pagers")
