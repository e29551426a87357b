#include "game/combat/enemy_file.h"

#include "core/data_reader.h"
#include "game/combat/data_paths.h"

namespace combat {

std::string enemy_file_path(const std::string& name) {
  return kEnemyFolder + name;
}

enemy parse_enemy_file(const std::string& file, const std::string& bytes) {
  core::DataReader in(file, bytes);
  enemy e;
  e.name = in.labelled();
  e.extratext1 = in.labelled();
  e.health = in.labelled_int();
  e.maxhealth = e.health;
  e.mindamage = in.labelled_int();
  e.maxdamage = in.labelled_int();
  e.armor = in.labelled_int();
  e.exp = in.labelled_int();
  e.extraint1 = in.labelled_int();
  e.agility = in.labelled_int();
  e.accuracy = in.labelled_int();
  e.extratext2 = in.labelled();
  e.extraint2 = in.labelled_int();
  e.picture = in.labelled();
  e.hitpicture = in.labelled();
  e.deadpicture = in.labelled();
  e.extratext3 = in.labelled();
  e.extratext4 = in.labelled();
  e.extratext5 = in.labelled();
  e.minmoney = in.labelled_int();
  e.maxmoney = in.labelled_int();
  in.skip();  // line 41
  e.lootcount = 0;
  while (!in.eof()) {
    std::string item = in.line();
    std::string rule = in.line();
    if (e.lootcount >= kMaxLoot) continue;
    e.lootcount += 1;
    e.loot[static_cast<size_t>(e.lootcount)] = std::move(item);
    e.lootrule[static_cast<size_t>(e.lootcount)] = std::move(rule);
  }
  e.ready = 0;
  return e;
}

enemy read_enemy_file(const core::DataRoot& root, const std::string& name) {
  const std::string file = enemy_file_path(name);
  return parse_enemy_file(file, core::read_data_file(root, file));
}

}  // namespace combat
