#pragma once

#include <QLoggingCategory>

// Traces and warnings of the program pagers dialog; never shown to the user.
Q_DECLARE_LOGGING_CATEGORY(lcPagers)
