#include "app/CConfigApp.h"
