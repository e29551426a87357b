// The character start file "Data\Config\roamkin.cfg": 26 lines, a label line
// before every value.
#include "core/checked.h"
#include "core/data_reader.h"
#include "core/rounding.h"
#include "game/game.h"

namespace {
constexpr const char* kStartFile = "Data\\Config\\roamkin.cfg";
}

void Game::loadhero() {
  core::DataReader in(root, kStartFile);
  in.skip(3);
  hero.maxhealth = in.read_int();  // line 4
  hero.health = hero.maxhealth;
  in.skip();
  hero.strength = in.read_int();  // line 6
  in.skip();
  hero.agility = in.read_int();
  in.skip();
  hero.intellect = in.read_int();
  in.skip();
  hero.exp = in.read_int();
  in.skip();
  hero.nextexp = in.read_int();
  in.skip();
  hero.level = in.read_int();
  in.skip();
  hero.money = in.read_int();  // line 18
  in.skip();
  hero.hunger = in.read_decimal();  // line 20
  in.skip();
  hero.thirst = in.read_decimal();
  in.skip();
  hero.fatigue = in.read_decimal();
  in.skip();
  hero.radiation = in.read_decimal();  // line 26
  // A start file's values are any 32-bit numbers: the capacity stops at the
  // 32-bit limits, and the needs are kept finite and within their labels.
  hero.capacity = core::round32(core::Round(hero.strength * 40000.0L / 50));
  for (double* need : {&hero.hunger, &hero.thirst, &hero.fatigue, &hero.radiation})
    *need = core::clamp_finite32(*need);
}
