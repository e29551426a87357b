#pragma once
// The character start file ("Data\Config\roamkin.cfg"): 26 lines, a label line
// before each value: maximum health, strength, agility, intellect,
// experience, next level's experience (above 0), level, money (integers),
// then hunger, thirst, fatigue and radiation (decimals).
#include <string>

#include "core/paths.h"
#include "game/services/rmkin.h"

namespace screens {

inline constexpr const char* kStartFile = "Data\\Config\\roamkin.cfg";

// `base` with the start values read over it (health full, capacity from
// strength, needs kept finite); DataError for a missing file or a bad value.
rmkin read_start_file(const core::DataRoot& root, rmkin base);
rmkin parse_start_file(const std::string& bytes, rmkin base);

}  // namespace screens
