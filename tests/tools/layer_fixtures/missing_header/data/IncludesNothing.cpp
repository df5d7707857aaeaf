#include "data/NoSuchHeader.h"
