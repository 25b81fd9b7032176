#include "scheme/PickGenerator.h"

void PickGenerator::StepLowWord() { low_ = low_ * 22695477u + 1u; }

std::uint32_t PickGenerator::Step() {
  const std::uint64_t multiplier = (std::uint64_t{0x15A4} << 32) | 0x4E35;
  std::uint64_t state = (std::uint64_t{high_} << 32) | low_;
  state = state * multiplier + 1;
  low_ = static_cast<std::uint32_t>(state);
  high_ = static_cast<std::uint32_t>(state >> 32);
  return high_ & 0x7FFFFFFFu;
}
