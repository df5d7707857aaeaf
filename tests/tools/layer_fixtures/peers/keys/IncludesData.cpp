#include "data/ProfileRecord.h"
