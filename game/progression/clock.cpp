// The one-second game clock (calendar, time of day, needs) and the countdown
// of a lethal location.
#include "core/checked.h"
#include "core/convert.h"
#include "game/game.h"
#include "game/progression/calendar.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"

namespace colors = form::colors;

namespace {

// Adds one need's rate; an overflow is capped at 100 and reported. There is
// no lower cap, but the need stays finite and within what its label shows.
bool rise(double& need, double rate) {
  need = core::clamp_finite32(need + rate);
  if (need <= 100) return false;
  need = 100;
  return true;
}

}  // namespace

void Game::Timer2Timer() {
  calendar.daytick += 1;

  // Time of day: the word changes at fixed ticks of the day.
  struct Period {
    int tick;
    const char* word;
    form::Color color;
  };
  static const Period kPeriods[] = {
      {50, "Утро", colors::aqua},
      {150, "День", colors::lime},
      {350, "Вечер", colors::silver},
      {450, "Ночь", colors::black},
  };
  for (const Period& p : kPeriods) {
    if (calendar.daytick != p.tick) continue;
    calendar.daytime = p.word;
    form["Label2"].font.color = p.color;
    form["Label2"].caption = calendar.daytime;
  }

  // Day change, carried through week, month and year.
  if (calendar.daytick == 600) {
    calendar.day += 1;
    if (calendar.day == 8) {
      calendar.week += 1;
      calendar.day = 1;
    }
    if (calendar.week == 5) {
      calendar.month += 1;
      calendar.week = 1;
    }
    if (calendar.month == 13) {
      calendar.year += 1;
      calendar.month = 1;
    }
    calendar.daytick = 1;
    write_date();
  }

  // Needs at the rates of the location the character stands in. An
  // overflowing hunger or thirst also tires and costs a health point.
  // Every step of a need stays finite and every health point lost stops at
  // the lower limit, whatever the rates and start values.
  auto tire = [this] { hero.fatigue = core::clamp_finite32(hero.fatigue + loc.tiredrate); };
  auto hurt = [this] { hero.health = core::sat_sub(hero.health, 1); };
  if (rise(hero.hunger, loc.hungrate)) {
    tire();
    hurt();
  }
  if (rise(hero.thirst, loc.thirstrate)) {
    tire();
    hurt();
  }
  tire();
  if (calendar.daytime == "Ночь") tire();
  if (hero.fatigue > 100) {
    hero.fatigue = 100;
    hurt();
  }
  // Armour absorbs its resistance in percent of the dose; above 100 % it
  // lowers the dose already taken.
  const double absorbed = loc.radrate == 0 ? 0.0 : hero.armradres * loc.radrate / 100;
  if (rise(hero.radiation, core::clamp_finite32(loc.radrate - absorbed))) hurt();

  if (hero.health <= 0) {
    hero.health = 0;
    // The status panel is redrawn after the death as well, even when the
    // death sequence ends by reporting a missing death picture (the error
    // passes on to the dispatcher; this only makes sure the final health
    // is shown).
    struct RedrawAfter {
      Game& game;
      ~RedrawAfter() { game.showpercents(); }
    } redraw{*this};
    stdeath();
    return;
  }
  showpercents();
}

void Game::Timer4Timer() {
  deadcount = core::sat_sub(deadcount, 1);
  if (deadcount <= 0) {
    form["Timer4"].stop();
    stdeath();
  }
}

void Game::write_date() {
  using core::str;
  const CalendarState& c = calendar;
  form["Label1"].caption = "Год: " + str(c.year) + "  Месяц: " + str(c.month) +
                           "  Неделя: " + str(c.week) + "  День: " + str(c.day);
}

void Game::start_calendar() {
  calendar.year = 2015;
  calendar.month = 9;
  calendar.week = 1;
  calendar.day = 1;
  calendar.daytick = 1;
  calendar.daytime = "Утро";
  write_date();
  form["Label2"].font.color = form::colors::aqua;
  form["Label2"].caption = calendar.daytime;
}
