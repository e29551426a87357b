#include "game/screens/start_file.h"

#include <utility>

#include "core/checked.h"
#include "core/convert.h"
#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/rounding.h"

namespace screens {

rmkin parse_start_file(const std::string& bytes, rmkin base) {
  core::DataReader in(kStartFile, bytes);
  rmkin next = std::move(base);
  in.skip(3);
  next.maxhealth = in.read_int();  // line 4
  next.health = next.maxhealth;
  next.strength = in.labelled_int();  // line 6
  next.agility = in.labelled_int();
  next.intellect = in.labelled_int();
  next.exp = in.labelled_int();
  next.nextexp = in.labelled_int();
  // The level-up screen opens whenever the experience reaches this: a
  // threshold of 0 or below would open it again after every level.
  if (next.nextexp <= 0)
    throw core::DataError("'" + core::str(next.nextexp) + "' is not a valid experience threshold",
                          kStartFile, in.line_number());
  next.level = in.labelled_int();
  next.money = in.labelled_int();       // line 18
  next.hunger = in.labelled_decimal();  // line 20
  next.thirst = in.labelled_decimal();
  next.fatigue = in.labelled_decimal();
  next.radiation = in.labelled_decimal();  // line 26
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

}  // namespace screens
