// The level-up screen: steps and limits of the four rows, the points in
// Edit1, accepting, and the screen opening again while experience allows.
#include <climits>

#include "game/progression/levelup.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"
#include "tests/game/combat_fixture.h"

using combat_test::CombatTest;

namespace {

class ProgressionLevelUp : public CombatTest {
 protected:
  void open(int maxhealth, int strength, int agility, int intellect) {
    rmkin& h = game->hero;
    h.maxhealth = maxhealth;
    h.health = 1;
    h.strength = strength;
    h.agility = agility;
    h.intellect = intellect;
    game->handle([this] { game->levupst(); });
  }
  void press(const char* button, int times = 1) {
    for (int i = 0; i < times; ++i) click(button);
  }
  std::string points() { return ctl("Edit1").caption; }
};

}  // namespace

TEST_F(ProgressionLevelUp, HealthStepIsAThirtiethRoundedToEven) {
  struct Case {
    int maxhealth, after_one;
  } cases[] = {{50, 52}, {75, 77}, {45, 47}, {15, 15}, {100, 103}, {0, 0}};
  for (const Case& c : cases) {
    open(c.maxhealth, 5, 5, 5);
    press("Button16");
    EXPECT_EQ(game->levelup.newmaxhealth, c.after_one) << c.maxhealth;
    EXPECT_EQ(ctl("Label36").caption, "Здоровье: " + std::to_string(c.after_one));
    EXPECT_EQ(points(), "9");
    // Taking the point back: with a step of 0 the row is at its start at once.
    press("Button15");
    EXPECT_EQ(points(), "10");
    EXPECT_FALSE(ctl("Button15").enabled);
  }
}

TEST_F(ProgressionLevelUp, LimitsRefuseWithAMessageAndKeepThePoints) {
  struct Case {
    const char* plus;
    int agility, strength, intellect;
  } cases[] = {{"Button20", 25, 5, 5},
               {"Button18", 5, 50, 5},
               {"Button22", 5, 5, 50},
               {"Button20", 30, 5, 5}};
  for (const Case& c : cases) {
    ctl("Label5").visible = false;
    open(60, c.strength, c.agility, c.intellect);
    press(c.plus);
    EXPECT_EQ(points(), "10") << c.plus;
    EXPECT_TRUE(ctl("Label5").visible) << c.plus;
    EXPECT_EQ(ctl("Label5").caption, "Максимум достигнут !");
  }
}

TEST_F(ProgressionLevelUp, SpendingAllPointsShowsAcceptAndAMinusTakesItBack) {
  open(60, 12, 5, 5);
  EXPECT_FALSE(ctl("Image22").visible);
  press("Button18", 3);
  EXPECT_EQ(ctl("Label41").caption, "Грузоподъемность: 12000");
  press("Button18", 7);
  EXPECT_EQ(points(), "0");
  EXPECT_TRUE(ctl("Image22").visible);
  for (const char* plus : {"Button16", "Button18", "Button20", "Button22"})
    EXPECT_FALSE(ctl(plus).enabled) << plus;
  press("Button17");
  EXPECT_EQ(points(), "1");
  EXPECT_FALSE(ctl("Image22").visible);
  for (const char* plus : {"Button16", "Button18", "Button20", "Button22"})
    EXPECT_TRUE(ctl(plus).enabled) << plus;
  EXPECT_EQ(game->levelup.newstrength, 21);
  EXPECT_FALSE(ctl("Button19").enabled);  // an untouched row
}

TEST_F(ProgressionLevelUp, AcceptRaisesTheLevelHealsAndTriplesTheThreshold) {
  rmkin& h = game->hero;
  h.exp = 150;
  h.nextexp = 100;
  h.level = 1;
  open(60, 12, 5, 5);
  press("Button16", 4);
  press("Button18", 3);
  press("Button20", 2);
  press("Button22");
  click("Image22");
  EXPECT_EQ(h.level, 2);
  EXPECT_EQ(h.maxhealth, 68);
  EXPECT_EQ(h.health, 68);
  EXPECT_EQ(h.strength, 15);
  EXPECT_EQ(h.capacity, 12000);
  EXPECT_EQ(h.agility, 7);
  EXPECT_EQ(h.intellect, 6);
  EXPECT_EQ(h.nextexp, 300);
  EXPECT_EQ(ctl("Label5").caption, "Повышен уровень !");
  EXPECT_TRUE(game->shown(form::Screen::location));
  EXPECT_FALSE(game->shown(form::Screen::levelup));
  EXPECT_NE(ctl("Label22").caption.find("/12000"), std::string::npos);
}

TEST_F(ProgressionLevelUp, ThresholdStopsAtTheLimitAndThenTheScreenClosesForGood) {
  rmkin& h = game->hero;
  h.exp = INT_MAX;
  h.nextexp = 1000000000;
  open(60, 5, 5, 5);
  press("Button16", 10);
  click("Image22");
  EXPECT_EQ(h.nextexp, INT_MAX);
  // The screen has no cancel: reopening at the limit would never end.
  EXPECT_FALSE(game->shown(form::Screen::levelup));
  EXPECT_TRUE(game->shown(form::Screen::location));
  EXPECT_FALSE(game->levelup_due());
}

TEST_F(ProgressionLevelUp, StartFileWithoutAPositiveThresholdIsADataError) {
  std::vector<std::string> lines = read_lines("Data\\Config\\roamkin.cfg");
  lines[13] = "0";  // line 14: experience to the next level
  write_file("Data\\Config\\roamkin.cfg", lines);
  game->handle([this] { game->loadhero(); });
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("roamkin.cfg, line 14"), std::string::npos) << errors[0];
}
