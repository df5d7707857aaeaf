#include <unistd.h>
#include <cstdint>
