#include "scheme/PickGenerator.h"

#include <gtest/gtest.h>

namespace {

TEST(PickGenerator, FirstTicksDrawTheKnownValues) {
  PickGenerator generator;
  const std::uint32_t expected[] = {1178896641u, 441401407u, 835644146u};
  for (std::uint32_t value : expected) {
    generator.StepLowWord();
    EXPECT_EQ(generator.Step(), value);
  }
}

TEST(PickGenerator, ValuesStayBelowTwoToTheThirtyFirst) {
  PickGenerator generator;
  for (int i = 0; i < 10000; ++i) EXPECT_LT(generator.Step(), 0x80000000u);
}

TEST(PickGenerator, TheLowWordStepChangesWhatFollows) {
  PickGenerator stepped, plain;
  stepped.StepLowWord();
  EXPECT_NE(stepped.Step(), plain.Step());
}

TEST(PickGenerator, EveryRunDrawsTheSameSequence) {
  PickGenerator first, second;
  for (int i = 0; i < 100; ++i) {
    if (i % 3 == 0) {
      first.StepLowWord();
      second.StepLowWord();
    }
    ASSERT_EQ(first.Step(), second.Step());
  }
}

}  // namespace
