// The character start file "Data\Config\roamkin.cfg": 26 lines, a label line
// before every value.
#include "core/convert.h"
#include "core/data_error.h"
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
  // The level-up screen opens whenever the experience reaches this: a
  // threshold of 0 or below would open it again after every level.
  if (hero.nextexp <= 0)
    throw core::DataError("'" + core::str(hero.nextexp) + "' is not a valid experience threshold",
                          kStartFile, in.line_number());
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
  hero.capacity = static_cast<int32_t>(core::Round(hero.strength * 40000.0L / 50));
}
