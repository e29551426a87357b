#pragma once
// An enemy file ("Data\Combat\" + the catalogue's file name): a label line
// before each of 20 values, a caption on line 41, then loot pairs to the end
// of the file (item name, rule: "always" or a chance word). Only the first
// ten pairs are kept.
#include <string>

#include "core/paths.h"
#include "game/combat/enemy.h"

namespace combat {

// Line numbers of the values an author may need to find.
inline constexpr int kEnemyHealthLine = 6;
inline constexpr int kEnemyPictureLine = 26;
inline constexpr int kEnemyHitPictureLine = 28;
inline constexpr int kEnemyDeadPictureLine = 30;
inline constexpr int kEnemyFirstLootLine = 42;
// Line of loot entry i (1-based): its item; the rule follows.
inline constexpr int loot_line(int i) {
  return kEnemyFirstLootLine + 2 * (i - 1);
}

// The record as read: health and maxhealth alike, ready 0, loot 1..lootcount
// filled and the rest empty, no health label.
enemy read_enemy_file(const core::DataRoot& root, const std::string& name);
enemy parse_enemy_file(const std::string& file, const std::string& bytes);
// The game path of an enemy file named in the catalogue.
std::string enemy_file_path(const std::string& name);

}  // namespace combat
