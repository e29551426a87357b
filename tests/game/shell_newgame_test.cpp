// The new-game sequence behind the start button.
#include "game/items/inventory_state.h"
#include "game/progression/calendar.h"
#include "game/screens/slides.h"
#include "game/services/music_state.h"
#include "game/services/rmkin.h"
#include "game/world/talk_state.h"
#include "support/data_writers.h"
#include "support/game_fixture.h"

class NewGameTest : public GameTest {
 protected:
  void SetUp() override {
    write_minimal_game();
    game->FormCreate();
    scheduler->sync(rt.now);
    advance(3000);  // the menu animation ends
  }
  void start(const std::string& name) {
    game->type("Edit2", name);
    click("BitBtn1");
  }
};

TEST_F(NewGameTest, StartsTheIntroWithTheCharacterReadAndNamed) {
  start("Тест");
  EXPECT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(game->hero.name, "Тест");
  EXPECT_EQ(ctl("Label10").caption, "Имя:  Тест");
  EXPECT_EQ(game->calendar.year, 2015);
  EXPECT_EQ(game->calendar.month, 9);
  EXPECT_EQ(game->calendar.week, 1);
  EXPECT_EQ(game->calendar.day, 1);
  EXPECT_EQ(game->calendar.daytick, 1);
  EXPECT_EQ(game->calendar.daytime, "Утро");
  EXPECT_EQ(ctl("Label1").caption, "Год: 2015  Месяц: 9  Неделя: 1  День: 1");
  EXPECT_EQ(ctl("Label2").caption, "Утро");
  EXPECT_EQ(ctl("Label2").font.color, form::colors::aqua);
  EXPECT_EQ(game->talkstate.questst, "live");
  EXPECT_EQ(game->inventory.invmode, "view");
  EXPECT_EQ(game->hero.gunname, "Руки");
  EXPECT_EQ(game->hero.armname, "Рубашка и джинсы");
  EXPECT_EQ(ctl("menu").left, 2000);
  EXPECT_EQ(ctl("intro").left, 0);
  EXPECT_FALSE(ctl("Image35").visible);
  EXPECT_EQ(game->slides.introstep, 1);
  EXPECT_TRUE(ctl("Timer6").enabled);
  EXPECT_EQ(ctl("Timer6").interval, 20000);
  EXPECT_EQ(ctl("Memo4").lines, std::vector<std::string>{"Слайд 1"});
  EXPECT_FALSE(ctl("Timer2").enabled);              // the clock waits for the intro's end
  EXPECT_TRUE(game->soundtrack.musicfile.empty());  // the menu music was stopped
}

TEST_F(NewGameTest, AnEmptyNameDoesNothingButBlanksAreAName) {
  start("");
  EXPECT_EQ(ctl("menu").left, 0);
  EXPECT_EQ(game->calendar.year, 0);
  start("   ");
  EXPECT_EQ(game->hero.name, "   ");
  EXPECT_EQ(ctl("menu").left, 2000);
}

TEST_F(NewGameTest, ABrokenStartFileLeavesTheMenuUp) {
  auto lines = read_lines("Data\\Config\\roamkin.cfg");
  lines[9] = "ten";
  write_file("Data\\Config\\roamkin.cfg", lines);
  start("Тест");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "'ten' is not a valid integer value (Data\\Config\\roamkin.cfg, line 10)");
  EXPECT_EQ(ctl("menu").left, 0);
  EXPECT_EQ(ctl("intro").left, 2000);
  EXPECT_FALSE(ctl("Timer6").enabled);
}

TEST_F(NewGameTest, ASecondNewGameStartsAfresh) {
  start("Первый");
  click("BitBtn5");  // skip the intro
  game->hero.hunger = 50;
  game->calendar.year = 2017;
  game->calendar.month = 3;
  game->show(form::Screen::menu);
  start("Второй");
  EXPECT_EQ(game->hero.name, "Второй");
  EXPECT_EQ(game->calendar.year, 2015);
  EXPECT_EQ(game->calendar.month, 9);
  EXPECT_DOUBLE_EQ(game->hero.hunger, 0);
  EXPECT_EQ(game->hero.gunname, "Руки");
  EXPECT_EQ(game->slides.introstep, 1);
}

TEST_F(NewGameTest, ReseedsFromTheClock) {
  rt.seed = 777;
  start("Тест");
  core::RandomSource expected(777);
  EXPECT_EQ(game->rng.Random(1000000), expected.Random(1000000));
}

TEST_F(NewGameTest, TheOldEquipmentNeverBlocksTheNewGamesDefaults) {
  start("Первый");
  click("BitBtn5");
  // Heavy equipment and a full load from the first game.
  write_file(catalogue::kItems, items_dat({{"Руки", "x", 1, 0, "gun", 1, 0, "-"},
                                           {"Рубашка и джинсы", "x", 1, 0, "armor", 1, 0, "-"},
                                           {"Пулемет", "x", 1, 3900, "gun", 1, 0, "-"}}));
  game->hero.gunname = "Пулемет";
  game->inventory.invload = game->hero.capacity;
  game->show(form::Screen::menu);
  start("Второй");
  EXPECT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(game->hero.gunname, "Руки");
  EXPECT_EQ(game->inventory.invnext, 1);
  EXPECT_EQ(game->inventory.invload, 0);
}
