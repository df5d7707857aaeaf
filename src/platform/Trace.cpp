#include "platform/Trace.h"

Q_LOGGING_CATEGORY(lcApp, "corvane.app", QtWarningMsg)
