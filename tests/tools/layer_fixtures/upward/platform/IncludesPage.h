#pragma once

#include "pages/sensitivity/PointerSettings.h"
