#pragma once
// The enemy catalogue ("Data\Combat\enemies.dat"): two-line entries, an enemy
// key and the name of its enemy file in "Data\Combat\". The first entry of a
// key wins; a last key without a file line names an empty file.
#include <array>
#include <string>
#include <vector>

#include "core/data_error.h"
#include "core/paths.h"

namespace combat {

struct enemyentry {
  std::string key;
  std::string file;  // the enemy file's name inside "Data\Combat\"
  int line = 0;      // the key's line
};

std::vector<enemyentry> read_enemy_catalogue(const core::DataRoot& root);
std::vector<enemyentry> parse_enemy_catalogue(const std::string& bytes);
// The first entry of the key, or nullptr.
const enemyentry* find_enemy(const std::vector<enemyentry>& catalogue, const std::string& key);

// The enemy files of a fight's three keys ("no" for slots 2 and 3 leaves them
// empty), as the fight start finds them: the catalogue read pair by pair until
// every named slot is found, each pair tested against all three keys. A key
// the catalogue lacks is a DataError naming the catalogue and where the key
// came from (a fight file's line).
std::array<std::string, 3> enemy_files(const core::DataRoot& root,
                                       const std::array<std::string, 3>& keys,
                                       const std::array<core::Origin, 3>& from);

}  // namespace combat
