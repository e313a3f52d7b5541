#include "config/ConfigLog.h"

Q_LOGGING_CATEGORY(lcConfig, "tavrin.config")
