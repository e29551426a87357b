// The character start file "Data\Config\roamkin.cfg": 26 lines, a label line
// before every value.
#include <utility>

#include "core/checked.h"
#include "core/convert.h"
#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/rounding.h"
#include "game/game.h"

namespace {
constexpr const char* kStartFile = "Data\\Config\\roamkin.cfg";
}

void Game::loadhero() {
  // Read into a copy that becomes `hero` once complete: a bad start file
  // changes nothing of the character.
  core::DataReader in(root, kStartFile);
  rmkin next = hero;
  in.skip(3);
  next.maxhealth = in.read_int();  // line 4
  next.health = next.maxhealth;
  in.skip();
  next.strength = in.read_int();  // line 6
  in.skip();
  next.agility = in.read_int();
  in.skip();
  next.intellect = in.read_int();
  in.skip();
  next.exp = in.read_int();
  in.skip();
  next.nextexp = in.read_int();
  // The level-up screen opens whenever the experience reaches this: a
  // threshold of 0 or below would open it again after every level.
  if (next.nextexp <= 0)
    throw core::DataError("'" + core::str(next.nextexp) + "' is not a valid experience threshold",
                          kStartFile, in.line_number());
  in.skip();
  next.level = in.read_int();
  in.skip();
  next.money = in.read_int();  // line 18
  in.skip();
  next.hunger = in.read_decimal();  // line 20
  in.skip();
  next.thirst = in.read_decimal();
  in.skip();
  next.fatigue = in.read_decimal();
  in.skip();
  next.radiation = in.read_decimal();  // line 26
  // A start file's values are any 32-bit numbers: the capacity stops at the
  // 32-bit limits, and the needs are kept finite and within their labels.
  next.capacity = core::round32(core::Round(next.strength * 40000.0L / 50));
  for (double* need : {&next.hunger, &next.thirst, &next.fatigue, &next.radiation})
    *need = core::clamp_finite32(*need);
  hero = std::move(next);
}
