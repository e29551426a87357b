#include "game/combat/enemy_catalogue.h"

#include "core/data_reader.h"
#include "game/combat/data_paths.h"

namespace combat {

std::vector<enemyentry> parse_enemy_catalogue(const std::string& bytes) {
  core::DataReader in(kEnemyCatalogue, bytes);
  std::vector<enemyentry> entries;
  while (!in.eof()) {
    enemyentry e;
    e.key = in.line();
    e.line = in.line_number();
    e.file = in.line();
    entries.push_back(std::move(e));
  }
  return entries;
}

std::vector<enemyentry> read_enemy_catalogue(const core::DataRoot& root) {
  return parse_enemy_catalogue(core::read_data_file(root, kEnemyCatalogue));
}

const enemyentry* find_enemy(const std::vector<enemyentry>& catalogue, const std::string& key) {
  for (const enemyentry& e : catalogue)
    if (e.key == key) return &e;
  return nullptr;
}

std::array<std::string, 3> enemy_files(const core::DataRoot& root,
                                       const std::array<std::string, 3>& keys,
                                       const std::array<core::Origin, 3>& from) {
  // The catalogue is read pair by pair until every named slot has its file;
  // each pair is tested against all three keys, so a key listed twice gives
  // a slot the later file when another slot is still wanted at that point.
  const std::vector<enemyentry> catalogue = read_enemy_catalogue(root);
  std::array<const enemyentry*, 3> chosen{};
  auto wanted = [&](size_t j) { return j == 0 || keys[j] != "no"; };
  auto all_found = [&] {
    for (size_t j = 0; j < 3; ++j)
      if (wanted(j) && chosen[j] == nullptr) return false;
    return true;
  };
  for (const enemyentry& e : catalogue) {
    if (all_found()) break;
    for (size_t j = 0; j < 3; ++j)
      if (wanted(j) && keys[j] != "no" && e.key == keys[j]) chosen[j] = &e;
  }
  std::array<std::string, 3> files;
  for (size_t j = 0; j < 3; ++j) {
    if (!wanted(j)) continue;
    if (chosen[j] == nullptr) {
      const std::string text = "Enemy '" + keys[j] + "' is not in the enemy catalogue";
      if (from[j].file.empty()) throw core::DataError(text, kEnemyCatalogue);
      throw core::DataError(text + " " + kEnemyCatalogue, from[j].file, from[j].line);
    }
    files[j] = chosen[j]->file;
  }
  return files;
}

}  // namespace combat
