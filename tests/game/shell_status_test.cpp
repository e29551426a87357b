// The status panel, the needs warning and the message line.
#include "game/services/rmkin.h"
#include "support/game_fixture.h"

namespace colors = form::colors;

class StatusTest : public GameTest {};

TEST_F(StatusTest, NeedsAreShownRoundedHalvesToEvenAndColouredAboveSeventyFive) {
  game->hero.hunger = 75.5;
  game->hero.thirst = 75.4;
  game->hero.fatigue = 74.5;
  game->hero.radiation = 99.9;
  game->showpercents();
  EXPECT_EQ(ctl("Label15").caption, "Голод:  76 %");
  EXPECT_EQ(ctl("Label15").font.color, colors::red);
  EXPECT_EQ(ctl("Label16").caption, "Жажда:  75 %");
  EXPECT_EQ(ctl("Label16").font.color, colors::yellow);
  EXPECT_EQ(ctl("Label17").caption, "Усталость:  74 %");
  EXPECT_EQ(ctl("Label18").caption, "Облучение:  100 %");
  // Radiation is never coloured or warned about.
  EXPECT_EQ(ctl("Label18").font.color, colors::yellow);
  EXPECT_EQ(ctl("Label5").caption, "Надо поесть !");
}

TEST_F(StatusTest, WarningTextsKeepTheirExactBlanks) {
  struct Case {
    double hunger, thirst, fatigue;
    const char* text;
  } cases[] = {
      {80, 0, 0, "Надо поесть !"},
      {0, 80, 0, "Надо  попить !"},
      {0, 0, 80, "Надо  отдохнуть !"},
      {80, 80, 0, "Надо поесть попить !"},
      {80, 80, 80, "Надо поесть попить отдохнуть !"},
      {0, 80, 80, "Надо  попить отдохнуть !"},
  };
  for (const Case& c : cases) {
    game->hero.hunger = c.hunger;
    game->hero.thirst = c.thirst;
    game->hero.fatigue = c.fatigue;
    ctl("Label5").caption.clear();
    game->showpercents();
    EXPECT_EQ(ctl("Label5").caption, c.text);
    EXPECT_EQ(ctl("Label5").font.color, colors::white);
    EXPECT_EQ(ctl("Timer3").interval, 2000);
  }
}

TEST_F(StatusTest, NoWarningWhenAllNeedsAreAtMostSeventyFive) {
  game->hero.hunger = 75.4;
  game->hero.thirst = 74.5;
  game->hero.fatigue = 75;
  game->showpercents();
  EXPECT_FALSE(ctl("Label5").visible);
  EXPECT_FALSE(ctl("Timer3").enabled);
}

TEST_F(StatusTest, HealthColourChangesOnlyWithShowpercents) {
  game->hero.health = 10;
  game->hero.maxhealth = 100;
  game->showpercents();
  EXPECT_EQ(ctl("Label3").font.color, colors::yellow);
  game->hero.health = 9;
  game->showroamkin();
  EXPECT_EQ(ctl("Label3").caption, "Здоровье:  9/100");
  EXPECT_EQ(ctl("Label3").font.color, colors::yellow);
  game->showpercents();
  EXPECT_EQ(ctl("Label3").font.color, colors::red);
}

TEST_F(StatusTest, ShowroamkinWritesEveryLabel) {
  rmkin& h = game->hero;
  h.name = "Тест";
  h.health = 45;
  h.maxhealth = 50;
  h.strength = 5;
  h.agility = 7;
  h.intellect = 8;
  h.exp = 30;
  h.nextexp = 100;
  h.level = 2;
  h.money = 10000;
  h.gunname = "Руки";
  h.armname = "Рубашка и джинсы";
  game->showroamkin();
  EXPECT_EQ(ctl("Label10").caption, "Имя:  Тест");
  EXPECT_EQ(ctl("Label3").caption, "Здоровье:  45/50");
  EXPECT_EQ(ctl("Label11").caption, "Сила:  5");
  EXPECT_EQ(ctl("Label12").caption, "Ловкость:  7");
  EXPECT_EQ(ctl("Label13").caption, "Интеллект:  8");
  EXPECT_EQ(ctl("Label14").caption, "Опыт: 30/100  Уровень: 2");
  EXPECT_EQ(ctl("Label24").caption, "Деньги:  10000 p");
  EXPECT_EQ(ctl("Label19").caption, "Оружие:  Руки");
  EXPECT_EQ(ctl("Label20").caption, "Защита:  Рубашка и джинсы");
}

TEST_F(StatusTest, MessageLineHidesAfterItsSeconds) {
  game->outmsg("Поднял предмет", colors::white, 1);
  EXPECT_TRUE(ctl("Label5").visible);
  scheduler->sync(rt.now);
  advance(999);
  EXPECT_TRUE(ctl("Label5").visible);
  advance(1);
  EXPECT_FALSE(ctl("Label5").visible);
  EXPECT_FALSE(ctl("Timer3").enabled);
}

TEST_F(StatusTest, ASecondMessageCountsItsDurationFromItsOwnCall) {
  game->outmsg("Первое", colors::white, 3);
  scheduler->sync(rt.now);
  advance(1000);
  game->outmsg("Перегружен !", colors::red, 3);
  scheduler->sync(rt.now);
  advance(2500);  // 3.5 s after the first call
  EXPECT_TRUE(ctl("Label5").visible);
  EXPECT_EQ(ctl("Label5").caption, "Перегружен !");
  EXPECT_EQ(ctl("Label5").font.color, colors::red);
  advance(500);  // 3 s after the second call
  EXPECT_FALSE(ctl("Label5").visible);
}

TEST_F(StatusTest, ARepeatedMessageOfTheSameLengthRestartsItsTime) {
  game->outmsg("Надо поесть !", colors::white, 2);
  scheduler->sync(rt.now);
  advance(1500);
  game->outmsg("Надо поесть !", colors::white, 2);
  scheduler->sync(rt.now);
  advance(1000);
  EXPECT_TRUE(ctl("Label5").visible);
  advance(1000);
  EXPECT_FALSE(ctl("Label5").visible);
}
