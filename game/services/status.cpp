// The status panel on the left and the one-line message area below it.
#include "core/convert.h"
#include "core/rounding.h"
#include "game/game.h"
#include "game/services/rmkin.h"

using core::str;
using form::Color;
namespace colors = form::colors;

namespace {

std::string percent(double need) {
  return str(core::Round(need)) + " %";
}

bool over_limit(double need) {
  return core::Round(need) > 75;
}

// The labels that both status refreshes write: health and the four needs.
void write_health_and_needs(form::Form& f, const rmkin& hero) {
  f["Label3"].caption = "Здоровье:  " + str(hero.health) + "/" + str(hero.maxhealth);
  f["Label16"].caption = "Жажда:  " + percent(hero.thirst);
  f["Label15"].caption = "Голод:  " + percent(hero.hunger);
  f["Label17"].caption = "Усталость:  " + percent(hero.fatigue);
  f["Label18"].caption = "Облучение:  " + percent(hero.radiation);
}

}  // namespace

void Game::showroamkin() {
  form["Label10"].caption = "Имя:  " + hero.name;
  write_health_and_needs(form, hero);
  form["Label11"].caption = "Сила:  " + str(hero.strength);
  form["Label12"].caption = "Ловкость:  " + str(hero.agility);
  form["Label13"].caption = "Интеллект:  " + str(hero.intellect);
  form["Label14"].caption =
      "Опыт: " + str(hero.exp) + "/" + str(hero.nextexp) + "  Уровень: " + str(hero.level);
  form["Label24"].caption = "Деньги:  " + str(hero.money) + " p";
  form["Label19"].caption = "Оружие:  " + hero.gunname;
  form["Label20"].caption = "Защита:  " + hero.armname;
}

void Game::showpercents() {
  std::string warning = "Надо ";
  auto need = [&](const char* label, double value, const char* word) {
    if (over_limit(value)) {
      form[label].font.color = colors::red;
      warning += word;
    } else {
      form[label].font.color = colors::yellow;
    }
  };
  need("Label15", hero.hunger, "поесть");
  need("Label16", hero.thirst, " попить");
  need("Label17", hero.fatigue, " отдохнуть");
  if (warning != "Надо ") outmsg(warning + " !", colors::white, 2);
  form["Label3"].font.color = hero.health >= 10 ? colors::yellow : colors::red;
  write_health_and_needs(form, hero);
}

void Game::outmsg(const std::string& text, Color color, int seconds) {
  form::Control& line = form["Label5"];
  line.caption = text;
  line.font.color = color;
  form::Control& timer = form["Timer3"];
  timer.set_interval(seconds * 1000);
  line.visible = true;
  timer.start();
}

void Game::Timer3Timer() {
  form["Label5"].visible = false;
  form["Timer3"].stop();
}
