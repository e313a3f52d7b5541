#pragma once

#include <QLoggingCategory>

// Traces and warnings of the main window; never shown to the user.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
