#include "platform/runtime/RandomBytes.h"

#include <random>

std::uint8_t RandomFillerByte() {
  static std::mt19937 Generator{std::random_device{}()};
  static std::uniform_int_distribution<int> Filler(1, 254);
  return static_cast<std::uint8_t>(Filler(Generator));
}
