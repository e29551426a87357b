#pragma once
// A small playable world for the damaged-data tests: two locations joined by
// an exit, their pickup files, a catalogue with every kind of item, and a
// folder beside the data folder that no rule may ever change.
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "game/items/catalogue.h"
#include "game/items/inventory_state.h"
#include "world_fixture.h"

namespace hostile {

namespace fs = std::filesystem;

struct HostileWorld : world_test::WorldTest {
  // The damaged-data table changes the world from outside the fixture.
  using GameTest::dir;
  using GameTest::errors;
  using GameTest::game;
  using GameTest::read_lines;
  using GameTest::root;
  using GameTest::write_file;
  using WorldTest::write_loc;
  using WorldTest::write_picture;
  using WorldTest::write_raw;

  fs::path outside;  // beside the data folder, never to be touched

  void write_catalogue() {
    const auto item = [](const char* name, int quantity, int weight, const char* kind, int ref) {
      return catitem{name,   "Data\\Sprites\\Items\\thing.bmp", quantity, weight, kind, ref, 10,
                     "Вещь."};
    };
    write_file(
        catalogue::kItems,
        items_dat({item("Руки", 1, 0, "gun", 1), item("Рубашка и джинсы", 1, 0, "armor", 1),
                   item("Нож", 1, 1, "gun", 2), item("Консервы", 1, 1, "food", 1),
                   item("Патроны", 10, 1, "ammo", 0), item("Кристалл", 1, 1, "artefact", 0),
                   item("Бронежилет", 1, 3500, "armor", 2), item("Винтовка", 1, 3300, "gun", 3)}));
    guns gun{.mindmg = 1,
             .maxdmg = 3,
             .ammo = "Патроны",
             .single = 1,
             .state = 100,
             .text1 = "a",
             .text2 = "b",
             .text3 = "c",
             .text4 = "d"};
    Lines gun_records, armor_records;
    for (gun.id = 1; gun.id <= 3; ++gun.id) gun_records = join({gun_records, gun_lines(gun)});
    write_file(catalogue::kGuns, gun_records);
    for (int id = 1; id <= 2; ++id)
      armor_records = join({armor_records, armor_lines(armors{id, 1, 10, 100, 0, 0, "ткань"})});
    write_file(catalogue::kArmor, armor_records);
    for (const char* f : {catalogue::kFood, catalogue::kDrink, catalogue::kMedik})
      write_file(f, consumable_lines({1, 5, 10, 30}));
  }

  LocFile loc_one() const {
    LocFile f;
    f.locname = "Первая";
    f.pkp = "1";
    f.goright = "2";
    return f;
  }
  LocFile loc_two() const {
    LocFile f;
    f.locname = "Вторая";
    f.pkp = "2";
    f.goleft = "1";
    return f;
  }

  // The world, a character carrying Консервы, Кристалл and Патроны, standing
  // in location "1"; no error so far.
  void build() {
    outside = dir.parent_path() / (dir.filename().string() + ".outside");
    fs::remove_all(outside);
    fs::create_directories(outside);
    std::ofstream(outside / "victim.pkp", std::ios::binary) << "always\r\nЗолото\r\naviable\r\n";
    write_minimal_game();
    write_catalogue();
    write_arrows();
    write_picture("Data\\Sprites\\Items\\thing.bmp");
    write_loc("1", loc_one());
    write_loc("2", loc_two());
    write_pickup("1", {"always", "Кристалл", "aviable", "once", "Консервы", "aviable"});
    write_pickup("2", {"always", "Нож", "aviable", "удача", "Консервы", "unaviable"});
    write_file("data\\levels\\fights\\fight.map", {}, false);
    run([&] {
      game->loadhero();
      game->setgun("Руки", 0, 100);
      game->setarmor("Рубашка и джинсы", 2, 100);
      for (const char* name : {"Консервы", "Кристалл", "Патроны"}) game->addtoinv(name, 100);
      game->showinv();
    });
    enter("1");
    ASSERT_TRUE(errors.empty()) << errors.front();
  }

  // ---- what the damaged-data checks compare ----

  fs::path pickup_folder() const { return *root.find("data\\levels\\Pickup"); }

  // Every file below a folder with its bytes (links by their target).
  static std::map<std::string, std::string> tree(const fs::path& top) {
    std::map<std::string, std::string> out;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(top, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path& p = it->path();
      if (fs::is_symlink(fs::symlink_status(p))) {
        out[p.string()] = "-> " + fs::read_symlink(p).string();
      } else if (it->is_regular_file()) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        out[p.string()] = s.str();
      } else {
        out[p.string()] = "(special)";
      }
    }
    return out;
  }

  // Items in the world: inventory slots plus the available entries of every
  // regular pickup file.
  int items_in_world() const {
    int count = game->inventory.invnext - 1;
    std::error_code ec;
    for (fs::directory_iterator it(pickup_folder(), ec), end; !ec && it != end; it.increment(ec)) {
      // Links are followed: a pickup file may be a link the data set ships.
      if (it->path().extension() != ".pkp" || !fs::is_regular_file(it->path())) continue;
      std::ifstream in(it->path(), std::ios::binary);
      std::string line;
      int n = 0;
      while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (++n % 3 == 0 && line == "aviable") ++count;
      }
    }
    return count;
  }
};

}  // namespace hostile
