#include "cli/CliLogging.h"

Q_LOGGING_CATEGORY(lcCli, "tavrin.cli")
