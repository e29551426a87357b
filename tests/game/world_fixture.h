#pragma once
// Small worlds for the location and ground tests: location files (LocFile),
// pictures, sprites, pickup files, a short item catalogue.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/items/inventory_state.h"
#include "support/data_writers.h"
#include "support/game_fixture.h"

namespace world_test {

// A 1x1 24-bit BMP.
inline std::string tiny_bmp() {
  auto le32 = [](uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
  };
  auto le16 = [](uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
  };
  const std::string pixels("\x20\x40\x60\x00", 4);
  const std::string info = le32(40) + le32(1) + le32(1) + le16(1) + le16(24) + le32(0) +
                           le32(static_cast<uint32_t>(pixels.size())) + le32(2835) + le32(2835) +
                           le32(0) + le32(0);
  const uint32_t offset = 14 + 40;
  return "BM" + le32(offset + static_cast<uint32_t>(pixels.size())) + le32(0) + le32(offset) +
         info + pixels;
}

class WorldTest : public GameTest {
 protected:
  static constexpr const char* kLocations = "data\\levels\\locations\\";
  static constexpr const char* kPickup = "data\\levels\\Pickup\\";

  // A file of raw bytes at a game path (folders created as written).
  void write_raw(const std::string& game_path, const std::string& bytes) {
    std::filesystem::path p = dir;
    std::string part;
    for (char ch : game_path) {
      if (ch == '\\') {
        p /= part;
        part.clear();
      } else {
        part += ch;
      }
    }
    p /= part;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
  }

  void write_picture(const std::string& game_path) {
    if (!exists(game_path)) write_raw(game_path, tiny_bmp());
  }

  // A location file and the two pictures it names.
  void write_loc(const std::string& name, const LocFile& f) {
    write_file(kLocations + name + ".loc", f.lines());
    write_picture(f.locpic);
    write_picture(f.placepic);
  }

  void write_arrows() {
    for (const char* arrow : {"up", "down", "left", "right"})
      for (const char* state : {"_p", "_n"})
        write_picture(std::string("Data\\Sprites\\Arrows\\") + arrow + state + ".bmp");
  }

  void write_pickup(const std::string& pkp, const std::vector<std::string>& lines) {
    write_file(kPickup + pkp + ".pkp", lines);
  }
  std::vector<std::string> pickup_lines(const std::string& pkp) const {
    return read_lines(kPickup + pkp + ".pkp");
  }

  // An items.dat of plain carried items ("artefact"), each with its weight.
  void write_items(const std::vector<std::pair<std::string, int>>& items) {
    std::vector<catitem> records;
    for (const auto& [name, weight] : items)
      records.push_back(
          {name, "Data\\Sprites\\Items\\thing.bmp", 1, weight, "artefact", 0, 10, "Вещь."});
    write_file(catalogue::kItems, items_dat(records));
  }

  // Puts an item straight into the next inventory slot.
  void carry(const std::string& name, int weight = 1) {
    invitem& slot = game->inventory.invslots[static_cast<size_t>(game->inventory.invnext)];
    slot = invitem{};
    slot.name = name;
    slot.count = 1;
    slot.weight = weight;
    slot.state = 100;
    slot.kind = "artefact";
    game->inventory.invnext += 1;
    game->inventory.invload += weight;
  }

  // Loads and shows a location the way the end of the intro does.
  void enter(const std::string& name) {
    in_play();
    game->handle([&] {
      game->loadloc(name);
      game->setloc();
    });
    scheduler->sync(rt.now);
  }

  // Runs a rule through the dispatcher, as an event would.
  template <typename F>
  void run(F f) {
    game->handle(f);
    scheduler->sync(rt.now);
  }

  std::vector<std::string> rows(const std::string& list) { return ctl(list).rows; }
};

}  // namespace world_test
