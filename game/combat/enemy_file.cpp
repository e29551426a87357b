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
  auto text = [&in] {
    in.skip();
    return in.line();
  };
  auto number = [&in] {
    in.skip();
    return in.read_int();
  };
  e.name = text();
  e.extratext1 = text();
  e.health = number();
  e.maxhealth = e.health;
  e.mindamage = number();
  e.maxdamage = number();
  e.armor = number();
  e.exp = number();
  e.extraint1 = number();
  e.agility = number();
  e.accuracy = number();
  e.extratext2 = text();
  e.extraint2 = number();
  e.picture = text();
  e.hitpicture = text();
  e.deadpicture = text();
  e.extratext3 = text();
  e.extratext4 = text();
  e.extratext5 = text();
  e.minmoney = number();
  e.maxmoney = number();
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
