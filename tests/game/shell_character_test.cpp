// The character start file.
#include "game/services/rmkin.h"
#include "support/game_fixture.h"

class CharacterTest : public GameTest {};

TEST_F(CharacterTest, ReadsTheTwentySixLinesAndComputesCapacity) {
  write_start_file(80, 5, 75.5, 10.25, 0, 3);
  game->loadhero();
  const rmkin& h = game->hero;
  EXPECT_EQ(h.maxhealth, 80);
  EXPECT_EQ(h.health, 80);
  EXPECT_EQ(h.strength, 5);
  EXPECT_EQ(h.capacity, 4000);
  EXPECT_EQ(h.agility, 10);
  EXPECT_EQ(h.nextexp, 100);
  EXPECT_EQ(h.level, 1);
  EXPECT_EQ(h.money, 100);
  EXPECT_DOUBLE_EQ(h.hunger, 75.5);
  EXPECT_DOUBLE_EQ(h.thirst, 10.25);
  EXPECT_DOUBLE_EQ(h.radiation, 3);
}

TEST_F(CharacterTest, DecimalsTakeACommaOrAPoint) {
  write_start_file();
  auto lines = read_lines("Data\\Config\\roamkin.cfg");
  lines[19] = "12,5";
  lines[21] = "7.25";
  write_file("Data\\Config\\roamkin.cfg", lines);
  game->loadhero();
  EXPECT_DOUBLE_EQ(game->hero.hunger, 12.5);
  EXPECT_DOUBLE_EQ(game->hero.thirst, 7.25);
}

TEST_F(CharacterTest, ABadLineNamesTheFileAndLine) {
  write_start_file();
  auto lines = read_lines("Data\\Config\\roamkin.cfg");
  lines[5] = "5 ";  // line 6: a trailing blank does not convert
  write_file("Data\\Config\\roamkin.cfg", lines);
  game->handle([this] { game->loadhero(); });
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "'5 ' is not a valid integer value (Data\\Config\\roamkin.cfg, line 6)");
  // Nothing of a bad start file is taken, not even the lines before the bad one.
  EXPECT_EQ(game->hero.maxhealth, 0);
  EXPECT_EQ(game->hero.capacity, 0);
}

TEST_F(CharacterTest, AShortFileFailsOnTheFirstMissingValue) {
  write_start_file();
  auto lines = read_lines("Data\\Config\\roamkin.cfg");
  lines.resize(21);
  write_file("Data\\Config\\roamkin.cfg", lines);
  game->handle([this] { game->loadhero(); });
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0],
            "'' is not a valid floating point value: the file ended early "
            "(Data\\Config\\roamkin.cfg, line 21)");
}

TEST_F(CharacterTest, AMissingFileIsReported) {
  game->handle([this] { game->loadhero(); });
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "File not found (Data\\Config\\roamkin.cfg)");
}
