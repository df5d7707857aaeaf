#include "UsesLowerLayers.h"

#include <vector>

#include "common/Messages.h"
#include "macro/MacroRecorder.h"
#include "pages/Page.h"
#include "pages/common/CDlgMenuFunc.h"
#include "pages/macro/UsesLowerLayers.h"
#include "platform/Trace.h"
