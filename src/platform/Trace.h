#pragma once

#include <QLoggingCategory>

// Debug traces, silent unless enabled (QT_LOGGING_RULES="corvane.*.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcApp)
