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
  const std::vector<enemyentry> catalogue = read_enemy_catalogue(root);
  std::array<std::string, 3> files;
  for (size_t j = 0; j < 3; ++j) {
    if (j > 0 && keys[j] == "no") continue;
    const enemyentry* e = keys[j] == "no" ? nullptr : find_enemy(catalogue, keys[j]);
    if (e == nullptr) {
      const std::string text = "Enemy '" + keys[j] + "' is not in the enemy catalogue";
      if (from[j].file.empty()) throw core::DataError(text, kEnemyCatalogue);
      throw core::DataError(text + " " + kEnemyCatalogue, from[j].file, from[j].line);
    }
    files[j] = e->file;
  }
  return files;
}

}  // namespace combat
