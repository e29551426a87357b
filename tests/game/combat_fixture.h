#pragma once
// Fights on the demo data: a game started and played into location "1",
// enemy files and fight files written as a test needs them.
#include <string>
#include <vector>

#include "game/services/rmkin.h"
#include "support/data_writers.h"
#include "support/game_fixture.h"

namespace combat_test {

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
