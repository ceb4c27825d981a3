#pragma once
// The one pseudo-random source of the process, for record filler and salts.

#include <cstdint>

// A value from 1 to 254, uniformly; the generator is seeded once from the system at first use.
std::uint8_t RandomFillerByte();
