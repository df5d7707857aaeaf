#pragma once

#include <cstdint>
#include <functional>

// Milliseconds of a monotonic clock, wrapping at 32 bits like the system tick count.
using TickSource = std::function<std::uint32_t()>;

std::uint32_t SteadyTickCount();
