#pragma once
// Fights on the demo data: a game started and played into location "1",
// enemy files and fight files written as a test needs them.
#include <string>
#include <vector>

#include "game/services/rmkin.h"
#include "support/game_fixture.h"

namespace combat_test {

struct EnemyFile {
  std::string name = "Крыса";
  int health = 10, mindamage = 2, maxdamage = 2, armor = 0, exp = 5, agility = 0, accuracy = 31;
  int minmoney = 0, maxmoney = 0;
  std::vector<std::pair<std::string, std::string>> loot;  // item, rule

  std::vector<std::string> lines() const {
    const std::string pic = "Data\\Pictures\\Enemies\\dog", n = "0", t = "-";
    auto str = [](int v) { return std::to_string(v); };
    const std::string values[] = {name,
                                  t,
                                  str(health),
                                  str(mindamage),
                                  str(maxdamage),
                                  str(armor),
                                  str(exp),
                                  n,
                                  str(agility),
                                  str(accuracy),
                                  t,
                                  n,
                                  pic + ".bmp",
                                  pic + "_hit.bmp",
                                  pic + "_dead.bmp",
                                  t,
                                  t,
                                  t,
                                  str(minmoney),
                                  str(maxmoney)};
    std::vector<std::string> out;
    for (const std::string& v : values) {
      out.push_back("Метка");
      out.push_back(v);
    }
    out.push_back("Добыча");
    for (const auto& [item, rule] : loot) {
      out.push_back(item);
      out.push_back(rule);
    }
    return out;
  }
};

class CombatTest : public GameTest {
 protected:
  CombatTest() {
    use_demo_data();
    game->handle([this] {
      game->BitBtn1Click();
      game->BitBtn5Click();
    });
    scheduler->sync(rt.now);
  }

  // Enemy "key" from file key.enm, added to the catalogue.
  void write_enemy(const std::string& key, const EnemyFile& e) {
    catalogue_.push_back(key);
    catalogue_.push_back(key + ".enm");
    write_file("Data\\combat\\enemies.dat", catalogue_);
    write_file("Data\\combat\\" + key + ".enm", e.lines());
  }
  void fight(const std::string& k1, const std::string& k2 = "no", const std::string& k3 = "no") {
    game->handle([&] { game->startfight(k1, k2, k3); });
    scheduler->sync(rt.now);
  }
  // Ticks the fight loop until the player's meter is above `ready`.
  void ready_above(int ready) {
    for (int i = 0; i < 2000 && game->hero.ready <= ready && ctl("Timer1").enabled; ++i)
      game->tick("Timer1");
  }
  const std::vector<std::string>& log() { return ctl("Memo2").lines; }
  bool logged(const std::string& line) {
    for (const std::string& l : log())
      if (l == line) return true;
    return false;
  }

  std::vector<std::string> catalogue_;
};

}  // namespace combat_test
