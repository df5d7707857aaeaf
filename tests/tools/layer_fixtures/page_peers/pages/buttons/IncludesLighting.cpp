#include "pages/lighting/LightEffects.h"
