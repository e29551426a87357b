// The level-up screen: ten points spread over maximum health, strength
// (carrying capacity follows), agility and intelligence, then accepted.
#include "game/progression/levelup.h"

#include <optional>

#include "core/checked.h"
#include "core/convert.h"
#include "core/rounding.h"
#include "game/form/sprites.h"
#include "game/game.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"

using core::str;

namespace {

constexpr int kPoints = 10;
constexpr const char* kPlus[] = {"Button16", "Button18", "Button20", "Button22"};
constexpr const char* kMinus[] = {"Button15", "Button17", "Button19", "Button21"};

int32_t capacity_for(int32_t strength) {
  return core::round32(core::Round(strength * 40000.0L / 50));
}

// One row of the screen: its pending value, what one point adds, the upper
// limit, the character's current value and the row's controls.
struct Row {
  int32_t LevelUpState::*value;
  int32_t step;
  std::optional<int32_t> limit;
  int32_t current;
  const char* minus;
};

Row row_of(const Game& g, int which) {
  const rmkin& h = g.hero;
  switch (which) {
    case 0:
      return {&LevelUpState::newmaxhealth, core::round32(core::Round(h.maxhealth / 30.0L)),
              std::nullopt, h.maxhealth, "Button15"};
    case 1:
      return {&LevelUpState::newstrength, 1, 50, h.strength, "Button17"};
    case 2:
      return {&LevelUpState::newagility, 1, 25, h.agility, "Button19"};
    default:
      return {&LevelUpState::newintellect, 1, 50, h.intellect, "Button21"};
  }
}

int points(const Game& g) {
  return core::parse_int(g.form["Edit1"].caption).value_or(0);
}

void write_labels(Game& g) {
  const LevelUpState& s = g.levelup;
  g.form["Label36"].caption = "Здоровье: " + str(s.newmaxhealth);
  g.form["Label37"].caption = "Сила: " + str(s.newstrength);
  g.form["Label41"].caption = "Грузоподъемность: " + str(s.newcapacity);
  g.form["Label38"].caption = "Ловкость: " + str(s.newagility);
  g.form["Label39"].caption = "Интеллект: " + str(s.newintellect);
}

void plus(Game& g, int which) {
  const Row row = row_of(g, which);
  int32_t& value = g.levelup.*row.value;
  if (row.limit && value >= *row.limit) {
    g.outmsg("Максимум достигнут !", form::colors::white, 2);
    return;
  }
  int p = points(g);
  if (p > 0) {
    g.form[row.minus].enabled = true;
    value = core::sat_add(value, row.step);
    g.levelup.newcapacity = capacity_for(g.levelup.newstrength);
    write_labels(g);
    p -= 1;
    g.form["Edit1"].caption = str(p);
  }
  if (p == 0) {
    for (const char* name : kPlus) g.form[name].enabled = false;
    g.form["Image22"].visible = true;
  }
}

void minus(Game& g, int which) {
  const Row row = row_of(g, which);
  int32_t& value = g.levelup.*row.value;
  int p = points(g);
  if (p < kPoints) {
    g.form["Image22"].visible = false;
    for (const char* name : kPlus) g.form[name].enabled = true;
    value = core::sat_sub(value, row.step);
    g.levelup.newcapacity = capacity_for(g.levelup.newstrength);
    write_labels(g);
    p += 1;
    g.form["Edit1"].caption = str(p);
  }
  if (p == kPoints)
    for (const char* name : kMinus) g.form[name].enabled = false;
  if (value == row.current) g.form[row.minus].enabled = false;
}

}  // namespace

bool Game::levelup_due() const {
  // A threshold at the 32-bit limit cannot grow any more: the screen, which
  // has no cancel, would otherwise come back after every accept.
  return hero.exp >= hero.nextexp && hero.nextexp < core::kInt32Max;
}

void Game::levupst() {
  levelup.newcapacity = capacity_for(hero.strength);
  levelup.newmaxhealth = hero.maxhealth;
  levelup.newstrength = hero.strength;
  levelup.newagility = hero.agility;
  levelup.newintellect = hero.intellect;
  form["Edit1"].caption = str(kPoints);
  write_labels(*this);
  for (const char* name : kMinus) form[name].enabled = false;
  for (const char* name : kPlus) form[name].enabled = true;
  form["Image22"].visible = false;
  park(form::Screen::location);
  show(form::Screen::levelup);
}

void Game::Button16Click() {
  plus(*this, 0);
}
void Game::Button18Click() {
  plus(*this, 1);
}
void Game::Button20Click() {
  plus(*this, 2);
}
void Game::Button22Click() {
  plus(*this, 3);
}
void Game::Button15Click() {
  minus(*this, 0);
}
void Game::Button17Click() {
  minus(*this, 1);
}
void Game::Button19Click() {
  minus(*this, 2);
}
void Game::Button21Click() {
  minus(*this, 3);
}

void Game::Image22Click() {
  press("Image22", form::button_sprite("take_p.bmp"), form::button_sprite("take_n.bmp"));
  outmsg("Повышен уровень !", form::colors::white, 2);
  hero.level = core::sat_add(hero.level, 1);
  hero.maxhealth = levelup.newmaxhealth;
  hero.health = levelup.newmaxhealth;
  hero.strength = levelup.newstrength;
  hero.agility = levelup.newagility;
  hero.intellect = levelup.newintellect;
  hero.capacity = levelup.newcapacity;
  // The threshold stops at the 32-bit limit instead of wrapping.
  hero.nextexp = core::sat_mul(hero.nextexp, 3);
  showroamkin();
  showinv();
  park(form::Screen::levelup);
  show(form::Screen::location);
  if (levelup_due()) levupst();
}
