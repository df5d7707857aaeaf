#include <vector>
#include "data/ProfileRecord.h"
