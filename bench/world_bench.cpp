// Timings of the everyday operations, headless in virtual time: a move, a
// pickup, a drop and a new game, on the demo data and on a generated large
// world (items.dat of 5,000 records, a pickup file of 2,000 entries, 500
// pickup files). Run: build/bin/vetrovay_bench
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/cp1251.h"
#include "core/paths.h"
#include "game/game.h"
#include "game/headless_host.h"
#include "game/items/inventory_state.h"

namespace fs = std::filesystem;

namespace {

struct World {
  fs::path dir;
  std::unique_ptr<core::DataRoot> root;
  std::unique_ptr<HeadlessHost> host;
  Game* game = nullptr;

  explicit World(const std::string& name, bool large) {
    dir = fs::path(VETROVAY_BENCH_TMP) / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy(fs::path(VETROVAY_DEMO_DATA) / "Data", dir / "Data", fs::copy_options::recursive);
    if (large) enlarge();
    root = std::make_unique<core::DataRoot>(dir);
    host = std::make_unique<HeadlessHost>(
        *root, [](const std::string& m) { throw std::runtime_error(m); });
    game = &host->game;
    game->type("Edit2", "Тест");
    game->BitBtn1Click();
    game->BitBtn5Click();
  }

  static void write(const fs::path& p, const std::vector<std::string>& lines) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    for (const std::string& l : lines) out << core::utf8_to_cp1251(l) << "\r\n";
  }

  // 5,000 extra catalogue records before the demo's own (so every lookup of
  // a demo item scans past them), a pickup file of 2,000 entries in location
  // "1", and 500 pickup files in all.
  void enlarge() {
    const fs::path objects = dir / "Data" / "objects";
    std::ifstream old(objects / "items.dat", std::ios::binary);
    std::string demo_items((std::istreambuf_iterator<char>(old)), {});
    std::vector<std::string> items;
    for (int i = 0; i < 5000; ++i) {
      const std::string n = std::to_string(i);
      items.insert(items.end(),
                   {"Имя", "Хлам " + n, "Картинка", "x.bmp", "Количество", "1", "Вес", "1", "Тип",
                    "artefact", "Номер", "0", "Цена", n, "Описание", "Ненужная вещь номер " + n});
    }
    write(objects / "items.dat", items);
    std::ofstream(objects / "items.dat", std::ios::binary | std::ios::app) << demo_items;

    const fs::path pickup = dir / "Data" / "levels" / "pickup";
    std::vector<std::string> entries;
    for (int i = 0; i < 2000; ++i)
      entries.insert(entries.end(), {i % 3 ? "always" : "random", "Хлам " + std::to_string(i),
                                     i % 2 ? "aviable" : "unaviable"});
    std::ifstream first(pickup / "1.pkp", std::ios::binary);
    std::string demo_entries((std::istreambuf_iterator<char>(first)), {});
    write(pickup / "1.pkp", entries);
    std::ofstream(pickup / "1.pkp", std::ios::binary | std::ios::app) << demo_entries;
    int files = 0;
    for (const auto& e : fs::directory_iterator(pickup)) files += e.path().extension() == ".pkp";
    for (int f = files; f < 500; ++f) {
      const fs::path p = pickup / ("extra" + std::to_string(f) + ".pkp");
      std::vector<std::string> few;
      for (int i = 0; i < 6; ++i)
        few.insert(few.end(),
                   {i % 2 ? "always" : "random", "Хлам " + std::to_string(i), "aviable"});
      write(p, few);
    }
  }
};

World& demo() {
  static World w("demo", false);
  return w;
}
World& large() {
  static World w("large", true);
  return w;
}

void move(benchmark::State& state, World& (*world)()) {
  World& w = world();
  for (auto _ : state) {
    w.game->loadloc("2");
    w.game->setloc();
    w.game->loadloc("1");
    w.game->setloc();
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

// Lays an item on the ground (not timed) and picks it up (timed), then puts
// the inventory back (not timed).
void pickup(benchmark::State& state, World& (*world)()) {
  World& w = world();
  w.game->loadloc("1");
  w.game->setloc();
  for (auto _ : state) {
    state.PauseTiming();
    w.game->addtoground("Сухари");
    w.game->setitems();
    const int row = static_cast<int>(w.game->form["PItems"].rows.size()) - 1;
    state.ResumeTiming();
    w.game->pickup(row);
    state.PauseTiming();
    w.game->removefrominv(w.game->inventory.invnext - 1);
    state.ResumeTiming();
  }
}

// Drops the last inventory item (timed) and picks it up again (not timed).
void drop(benchmark::State& state, World& (*world)()) {
  World& w = world();
  w.game->loadloc("1");
  w.game->setloc();
  for (auto _ : state) {
    w.game->dropitem(w.game->inventory.invnext - 1);
    state.PauseTiming();
    const int row = static_cast<int>(w.game->form["PItems"].rows.size()) - 1;
    w.game->pickup(row);
    state.ResumeTiming();
  }
}

void new_game(benchmark::State& state, World& (*world)()) {
  World& w = world();
  for (auto _ : state) w.game->BitBtn1Click();
}

}  // namespace

BENCHMARK_CAPTURE(move, demo, demo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pickup, demo, demo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drop, demo, demo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(new_game, demo, demo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(move, large, large)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pickup, large, large)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(drop, large, large)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(new_game, large, large)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
