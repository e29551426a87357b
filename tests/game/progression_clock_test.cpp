// The one-second game clock: calendar, time of day, needs and health.
#include <QImage>
#include <filesystem>

#include "game/progression/calendar.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"
#include "support/game_fixture.h"

namespace colors = form::colors;

namespace {

class ProgressionClock : public GameTest {
 protected:
  ProgressionClock() {
    game->calendar.year = 2015;
    game->calendar.month = 9;
    game->calendar.week = 1;
    game->calendar.day = 1;
    game->calendar.daytick = 200;
    game->calendar.daytime = "День";
    game->hero.health = game->hero.maxhealth = 100;
    ctl("Timer5").stop();  // the menu's opening animation is long over
    for (const char* name : {"death1.bmp", "death2.bmp"}) {
      std::filesystem::create_directories(dir / "Data" / "Death");
      QImage(350, 217, QImage::Format_RGB32)
          .save(QString::fromStdString((dir / "Data" / "Death" / name).string()), "BMP");
    }
  }

  // Runs the clock for n ticks.
  void ticks(int n) {
    ctl("Timer2").start();
    scheduler->sync(rt.now);
    advance(1000LL * n);
  }

  void rates(double hunger, double thirst, double tired, double rad = 0) {
    game->loc.hungrate = hunger;
    game->loc.thirstrate = thirst;
    game->loc.tiredrate = tired;
    game->loc.radrate = rad;
  }
};

TEST_F(ProgressionClock, DateCarriesThroughWeekMonthAndYear) {
  struct Case {
    int day, week, month, year;
    int want_day, want_week, want_month, want_year;
  };
  const Case cases[] = {
      {3, 2, 9, 2015, 4, 2, 9, 2015},   // plain day change
      {7, 2, 9, 2015, 1, 3, 9, 2015},   // into the next week
      {7, 4, 9, 2015, 1, 1, 10, 2015},  // into the next month
      {7, 4, 12, 2015, 1, 1, 1, 2016},  // into the next year
  };
  for (const Case& c : cases) {
    game->calendar.day = c.day;
    game->calendar.week = c.week;
    game->calendar.month = c.month;
    game->calendar.year = c.year;
    game->calendar.daytick = 599;
    game->form["Timer2"].stop();
    ticks(1);
    EXPECT_EQ(game->calendar.daytick, 1);
    EXPECT_EQ(game->calendar.day, c.want_day);
    EXPECT_EQ(game->calendar.week, c.want_week);
    EXPECT_EQ(game->calendar.month, c.want_month);
    EXPECT_EQ(game->calendar.year, c.want_year);
  }
  EXPECT_EQ(ctl("Label1").caption, "Год: 2016  Месяц: 1  Неделя: 1  День: 1");

  // The next tick counts on in the new day and leaves the date alone.
  ctl("Label1").caption = "unchanged";
  advance(1000);
  EXPECT_EQ(game->calendar.daytick, 2);
  EXPECT_EQ(ctl("Label1").caption, "unchanged");
}

TEST_F(ProgressionClock, TimeOfDayChangesAtItsTicksOnly) {
  game->calendar.daytick = 1;
  game->calendar.daytime = "Утро";
  ctl("Label2").caption = "Утро";
  // One whole day and a little more, noting every change of the word.
  std::vector<std::pair<int, std::string>> changes;
  std::string last = game->calendar.daytime;
  ctl("Timer2").start();
  scheduler->sync(rt.now);
  for (int i = 0; i < 650; ++i) {
    advance(1000);
    if (game->calendar.daytime != last) {
      last = game->calendar.daytime;
      changes.emplace_back(game->calendar.daytick, last);
    }
    EXPECT_EQ(ctl("Label2").caption, game->calendar.daytime)
        << "at tick " << game->calendar.daytick;
  }
  const std::vector<std::pair<int, std::string>> want = {
      {150, "День"}, {350, "Вечер"}, {450, "Ночь"}, {50, "Утро"}};
  EXPECT_EQ(changes, want);
  EXPECT_EQ(game->calendar.day, 2);  // the night went on over the day change
}

TEST_F(ProgressionClock, TimeOfDayColours) {
  struct Case {
    int tick;
    const char* word;
    form::Color color;
  };
  const Case cases[] = {{50, "Утро", colors::aqua},
                        {150, "День", colors::lime},
                        {350, "Вечер", colors::silver},
                        {450, "Ночь", colors::black}};
  for (const Case& c : cases) {
    game->calendar.daytick = c.tick - 1;
    ctl("Label2").font.color = colors::white;
    ctl("Timer2").stop();
    ticks(1);
    EXPECT_EQ(game->calendar.daytime, c.word);
    EXPECT_EQ(ctl("Label2").caption, c.word);
    EXPECT_EQ(ctl("Label2").font.color, c.color) << c.word;
  }
  // Between the marks the colour is left as it is.
  ctl("Label2").font.color = colors::white;
  advance(1000);
  EXPECT_EQ(ctl("Label2").font.color, colors::white);
}

TEST_F(ProgressionClock, NeedsRiseAtTheLocationRates) {
  rates(0.5, 0.5, 0.2);
  ticks(20);
  EXPECT_DOUBLE_EQ(game->hero.hunger, 10);
  EXPECT_DOUBLE_EQ(game->hero.thirst, 10);
  EXPECT_NEAR(game->hero.fatigue, 4, 1e-9);
  EXPECT_EQ(game->hero.health, 100);
  EXPECT_EQ(ctl("Label15").caption, "Голод:  10 %");
  EXPECT_EQ(ctl("Label16").caption, "Жажда:  10 %");
  EXPECT_EQ(ctl("Label17").caption, "Усталость:  4 %");

  // At night fatigue rises twice as fast.
  game->calendar.daytick = 460;
  game->calendar.daytime = "Ночь";
  advance(1000);
  EXPECT_NEAR(game->hero.fatigue, 4.4, 1e-9);
  EXPECT_DOUBLE_EQ(game->hero.hunger, 10.5);
}

TEST_F(ProgressionClock, RatesTakeEffectFromTheNextTick) {
  rates(1, 0, 0);
  ticks(3);
  game->loc.hungrate = 2;  // a move to another location
  advance(2000);
  EXPECT_DOUBLE_EQ(game->hero.hunger, 7);
}

TEST_F(ProgressionClock, OverflowingHungerTiresAndCostsHealthEveryTick) {
  rates(0.5, 0, 0.2);
  game->hero.hunger = 99.8;
  ticks(1);
  EXPECT_DOUBLE_EQ(game->hero.hunger, 100);
  EXPECT_NEAR(game->hero.fatigue, 0.4, 1e-9);  // the overflow step and the normal one
  EXPECT_EQ(game->hero.health, 99);
  advance(1000);
  EXPECT_DOUBLE_EQ(game->hero.hunger, 100);
  EXPECT_NEAR(game->hero.fatigue, 0.8, 1e-9);
  EXPECT_EQ(game->hero.health, 98);
  EXPECT_EQ(ctl("Label3").caption, "Здоровье:  98/100");
}

TEST_F(ProgressionClock, EachOverflowingNeedCostsOneHealthPoint) {
  // Thirst alone.
  rates(0, 1, 0.5);
  game->hero.thirst = 100;
  ticks(1);
  EXPECT_DOUBLE_EQ(game->hero.thirst, 100);
  EXPECT_DOUBLE_EQ(game->hero.fatigue, 1);
  EXPECT_EQ(game->hero.health, 99);

  // Fatigue alone.
  rates(0, 0, 0.2);
  game->hero.thirst = 50;
  game->hero.fatigue = 99.9;
  advance(1000);
  EXPECT_DOUBLE_EQ(game->hero.fatigue, 100);
  EXPECT_EQ(game->hero.health, 98);

  // Exactly 100 is not over the limit.
  game->hero.fatigue = 99.5;
  game->loc.tiredrate = 0.5;
  advance(1000);
  EXPECT_DOUBLE_EQ(game->hero.fatigue, 100);
  EXPECT_EQ(game->hero.health, 98);

  // All four at once: hunger, thirst, fatigue (pushed over by both) and radiation.
  rates(1, 1, 1, 1);
  game->hero.hunger = game->hero.thirst = game->hero.radiation = 100;
  game->hero.fatigue = 0;
  advance(1000);
  EXPECT_EQ(game->hero.health, 98 - 3);  // fatigue ends at 3, not over
  EXPECT_DOUBLE_EQ(game->hero.fatigue, 3);
  game->hero.fatigue = 98;
  advance(1000);
  EXPECT_EQ(game->hero.health, 95 - 4);
  EXPECT_DOUBLE_EQ(game->hero.fatigue, 100);
}

TEST_F(ProgressionClock, ArmourAbsorbsItsShareOfTheRadiation) {
  struct Case {
    int resistance;
    double rate, want;
  };
  const Case cases[] = {{25, 2, 1.5}, {0, 2, 2}, {100, 2, 0}, {150, 2, -1}, {200, 0, 0}};
  for (const Case& c : cases) {
    rates(0, 0, 0, c.rate);
    game->hero.armradres = c.resistance;
    game->hero.radiation = 10;
    ctl("Timer2").stop();
    ticks(1);
    EXPECT_DOUBLE_EQ(game->hero.radiation, 10 + c.want) << "resistance " << c.resistance;
  }
  // Overflow: capped at 100, one health point.
  rates(0, 0, 0, 1);
  game->hero.armradres = 0;
  game->hero.radiation = 99.5;
  advance(1000);
  EXPECT_DOUBLE_EQ(game->hero.radiation, 100);
  EXPECT_EQ(game->hero.health, 99);
}

TEST_F(ProgressionClock, NegativeRatesHaveNoLowerBound) {
  rates(-1, -0.5, -0.25);
  game->hero.hunger = 0.5;
  ticks(2);
  EXPECT_DOUBLE_EQ(game->hero.hunger, -1.5);
  EXPECT_DOUBLE_EQ(game->hero.thirst, -1);
  EXPECT_DOUBLE_EQ(game->hero.fatigue, -0.5);
}

TEST_F(ProgressionClock, NeedsWarningOnTheMessageLine) {
  struct Case {
    double hunger, thirst, fatigue;
    const char* text;
  };
  const Case cases[] = {
      {80, 0, 0, "Надо поесть !"},
      {0, 80, 0, "Надо  попить !"},
      {80, 80, 0, "Надо поесть попить !"},
      {0, 0, 80, "Надо  отдохнуть !"},
  };
  for (const Case& c : cases) {
    game->hero.hunger = c.hunger;
    game->hero.thirst = c.thirst;
    game->hero.fatigue = c.fatigue;
    ctl("Label5").caption.clear();
    ctl("Timer2").stop();
    ticks(1);
    EXPECT_EQ(ctl("Label5").caption, c.text);
    EXPECT_TRUE(ctl("Label5").visible);
    EXPECT_EQ(ctl("Label5").font.color, colors::white);
  }
  EXPECT_EQ(ctl("Label17").font.color, colors::red);
  EXPECT_EQ(ctl("Label15").font.color, colors::yellow);

  // No need over the limit: no new message.
  game->hero.fatigue = 75;
  ctl("Label5").caption = "другое";
  advance(1000);
  EXPECT_EQ(ctl("Label5").caption, "другое");
}

TEST_F(ProgressionClock, LastHealthPointsLostInOneTickKill) {
  rates(1, 1, 0);
  game->hero.health = 1;
  game->hero.hunger = 100;
  game->hero.thirst = 100;
  ticks(1);
  EXPECT_EQ(game->hero.health, 0);  // not -1
  EXPECT_EQ(ctl("death").left, 192);
  EXPECT_FALSE(ctl("Timer2").enabled);
  EXPECT_TRUE(ctl("Timer7").enabled);
  // The status panel was redrawn after the death.
  EXPECT_EQ(ctl("Label3").caption, "Здоровье:  0/100");
  EXPECT_EQ(ctl("Label3").font.color, colors::red);
  EXPECT_EQ(ctl("Label5").caption, "Надо поесть попить !");

  // The clock stays stopped.
  const int tick = game->calendar.daytick;
  advance(5000);
  EXPECT_EQ(game->calendar.daytick, tick);
}

TEST_F(ProgressionClock, HealthLeftAfterAnOverflowKeepsTheCharacterAlive) {
  rates(1, 0, 0);
  game->hero.health = 2;
  game->hero.hunger = 100;
  ticks(1);
  EXPECT_EQ(game->hero.health, 1);
  EXPECT_EQ(ctl("death").left, 1920);
  EXPECT_TRUE(ctl("Timer2").enabled);
  advance(1000);
  EXPECT_EQ(game->hero.health, 0);
  EXPECT_EQ(ctl("death").left, 192);
}

}  // namespace
