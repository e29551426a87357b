#pragma once
// A fight file ("data\levels\Fights\NAME.fgt"): three lines, the enemy keys of
// the three fight slots ("no": the slot stays empty). Lines past the end of
// the file read as empty keys.
#include <array>
#include <string>

#include "core/paths.h"

namespace combat {

struct fightfile {
  std::string file;                 // the game path read
  std::array<std::string, 3> keys;  // slot 1..3
  int lines = 0;                    // lines the file really has
};

// DataError "File not found" when the file is missing.
fightfile read_fight_file(const core::DataRoot& root, const std::string& fgt);
fightfile parse_fight_file(const std::string& file, const std::string& bytes);

}  // namespace combat
