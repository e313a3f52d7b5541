#include "sim/SimLogging.h"

Q_LOGGING_CATEGORY(lcSim, "tavrin.sim")
