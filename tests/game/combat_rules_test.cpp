// The fight's arithmetic on its own: readiness growth, bar widths, armour
// and protection.
#include <gtest/gtest.h>

#include <climits>

#include "core/random.h"
#include "game/combat/rules.h"

TEST(CombatRules, BarWidthIsHalfTheMeterWithHalvesToEven) {
  struct Case {
    int ready, width;
  } cases[] = {{0, 0}, {1, 0}, {3, 2}, {45, 22}, {47, 24}, {99, 50}, {100, 50}, {-7, 0}};
  for (const Case& c : cases) EXPECT_EQ(combat::bar_width(c.ready), c.width) << c.ready;
}

TEST(CombatRules, BurstAgainstArmourSumsEachRollAfterArmour) {
  // Rolls 4, 7, 9 against armour 5 deal 0 + 2 + 4.
  int sum = 0;
  for (int roll : {4, 7, 9}) sum += combat::after_armor(roll, 5);
  EXPECT_EQ(sum, 6);
  EXPECT_EQ(combat::after_armor(INT_MIN, INT_MAX), 0);
  EXPECT_EQ(combat::after_armor(INT_MAX, -5), INT_MAX);
}

TEST(CombatRules, ProtectionCostsAtLeastOneHealth) {
  core::RandomSource rng(3);
  // A roll below the protection: exactly 1; an excess above the protection:
  // the full excess.
  EXPECT_EQ(combat::protect(rng, 3, 5), 1);
  EXPECT_EQ(combat::protect(rng, 0, 0), 1);
  EXPECT_EQ(combat::protect(rng, 20, 5), 15);
  EXPECT_EQ(combat::protect(rng, 7, 0), 7);
  // An excess of at most the protection: 1 .. excess, every value drawn.
  bool seen[5] = {};
  for (int i = 0; i < 400; ++i) {
    const int d = combat::protect(rng, 9, 5);  // excess 4
    ASSERT_GE(d, 1);
    ASSERT_LE(d, 4);
    seen[d] = true;
  }
  EXPECT_TRUE(seen[1] && seen[2] && seen[3] && seen[4]);
  EXPECT_EQ(combat::protect(rng, INT_MAX, INT_MIN), INT_MAX);
}

TEST(CombatRules, ReadinessGrowsMostlyByOneAndBurstsAtHighAgility) {
  // Mean gain over many ticks: agility 0 and 1 only ever add 1; at 8 most
  // ticks add 1; from 19 every tick takes the burst path (up to 10).
  struct Case {
    int agility;
    double low, high;
  } cases[] = {{0, 1.0, 1.0},  {1, 1.0, 1.0},        {8, 1.1, 1.6},      {19, 7.0, 8.5},
               {25, 7.5, 9.0}, {INT_MAX, 9.0, 10.0}, {INT_MIN, 1.0, 1.0}};
  for (const Case& c : cases) {
    core::RandomSource rng(7);
    int32_t meter = 0;
    for (int i = 0; i < 1000; ++i) {
      const int32_t before = meter;
      combat::grow(rng, meter, c.agility);
      ASSERT_GE(meter - before, 1) << c.agility;
      ASSERT_LE(meter - before, 10) << c.agility;
    }
    EXPECT_GE(meter / 1000.0, c.low) << c.agility;
    EXPECT_LE(meter / 1000.0, c.high) << c.agility;
  }
  core::RandomSource rng(1);
  int32_t full = INT_MAX;
  combat::grow(rng, full, 5);
  EXPECT_EQ(full, INT_MAX);
}
