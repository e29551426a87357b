#include "game/shell/start_file.h"

#include <utility>

#include "core/checked.h"
#include "core/convert.h"
#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/rounding.h"

namespace shell {

rmkin parse_start_file(const std::string& bytes, rmkin base) {
  core::DataReader in(kStartFile, bytes);
  rmkin next = std::move(base);
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
  return next;
}

rmkin read_start_file(const core::DataRoot& root, rmkin base) {
  return parse_start_file(core::read_data_file(root, kStartFile), std::move(base));
}

}  // namespace shell
