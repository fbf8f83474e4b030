#pragma once

#include <cstdint>

// Milliseconds on a monotonic clock, wrapping like a 32-bit tick counter.
std::uint32_t TickCount();
