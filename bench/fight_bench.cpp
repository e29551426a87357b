// One tick of the fight loop with three enemies on the demo data, headless
// in virtual time: the player's sprite and meter, three enemy meters and the
// attacks of those that fill up. Run: build/bin/vetrovay_fight_bench
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "core/paths.h"
#include "game/combat/enemy.h"
#include "game/game.h"
#include "game/headless_host.h"
#include "game/services/rmkin.h"

namespace fs = std::filesystem;

namespace {

struct Fight {
  fs::path dir;
  std::unique_ptr<core::DataRoot> root;
  std::unique_ptr<HeadlessHost> host;
  Game* game = nullptr;

  Fight() {
    dir = fs::path(VETROVAY_BENCH_TMP) / "fight";
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy(fs::path(VETROVAY_DEMO_DATA) / "Data", dir / "Data", fs::copy_options::recursive);
    root = std::make_unique<core::DataRoot>(dir);
    host = std::make_unique<HeadlessHost>(
        *root, [](const std::string& m) { throw std::runtime_error(m); });
    game = &host->game;
    game->type("Edit2", "Тест");
    game->BitBtn1Click();
    game->BitBtn5Click();
    game->addtoinv("Стеклышко света", 100);
    start();
  }
  void start() { game->startfight("robot", "marodyor", "marodyor"); }
};

void fight_tick(benchmark::State& state) {
  Fight f;
  Game& g = *f.game;
  for (auto _ : state) {
    // The fight goes on for ever: nobody dies while it is measured.
    g.hero.health = 1000;
    g.combat.enemy1.health = g.combat.enemy2.health = g.combat.enemy3.health = 1000;
    g.Timer1Timer();
  }
}

}  // namespace

BENCHMARK(fight_tick)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
