#pragma once
#include <cstdint>

// The rotation's fixed pseudo-random sequence: one 64-bit state, held as a
// low and a high word, that starts at 1 and is never reseeded, so the same
// table gives the same picks on every run.
class PickGenerator {
 public:
  // L := L * 22695477 + 1 (mod 2^32); the high word is left alone.
  void StepLowWord();

  // S := S * 0x15A400004E35 + 1 (mod 2^64); yields the new high word
  // without its top bit, 0 .. 2^31 - 1.
  std::uint32_t Step();

 private:
  std::uint32_t low_ = 1;
  std::uint32_t high_ = 0;
};
