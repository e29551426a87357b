// Checks of the shell's files: the character and inventory start files, the
// intro, the window's sprites, the death pictures and the fixed music tracks.
#include <string>

#include "core/data_error.h"
#include "core/data_reader.h"
#include "game/form/sprites.h"
#include "game/items/catalogue.h"
#include "tools/check/checker.h"

namespace check {

namespace {
constexpr const char* kStartFile = "Data\\Config\\roamkin.cfg";
constexpr const char* kInventoryFile = "Data\\Config\\inventory.cfg";

bool ends_with(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

void check_start_file(Context& ctx) {
  ctx.read_file(kStartFile);
  if (ctx.guard([&] { ctx.game().loadhero(); })) ctx.start_level = ctx.game().hero.level;
}

void check_inventory(Context& ctx) {
  // Every line names an item, as the new game reads it (an empty line too).
  ctx.read_file(kInventoryFile);
  ctx.guard([&] {
    core::DataReader in(ctx.root, kInventoryFile);
    for (int line = 1; !in.eof(); ++line) ctx.need_item(in.line(), {kInventoryFile, line});
  });
  // What a new game carries, through the engine's own inventory: an item the
  // character cannot carry is left out with "Перегружен !".
  Game& g = ctx.game();
  try {
    g.invnext = 1;
    g.invload = 0;
    g.loadhero();
    g.setgun(catalogue::kHands, 0, 100);
    g.setarmor(catalogue::kClothes, 2, 100);
    core::DataReader in(ctx.root, kInventoryFile);
    for (int line = 1; !in.eof(); ++line) {
      const std::string name = in.line();
      try {
        if (g.addtoinv(name, 100) == 0)
          ctx.problem(kInventoryFile, line,
                      "Item '" + name + "' does not fit: a new game starts without it (capacity " +
                          std::to_string(g.hero.capacity) + ")");
      } catch (const core::DataError&) {
        // reported with the item references
      }
    }
  } catch (const core::DataError&) {
    // the start files' own problems are reported above
  }
  // The new game equips the default weapon and armour from the catalogue.
  ctx.need_item_of_kind(catalogue::kHands, "gun", {});
  ctx.need_item_of_kind(catalogue::kClothes, "armor", {});
}

void check_intro(Context& ctx) {
  for (int i = 1; i <= 5; ++i) ctx.need_file("Data\\Intro\\" + std::to_string(i) + ".txt", {});
  for (int i = 1; i <= 4; ++i)
    ctx.need_picture("Data\\Sprites\\Intro\\" + std::to_string(i) + ".jpg", {});
}

void check_window(Context& ctx) {
  // The sprites the window's design names, each with its pressed or normal
  // twin (a picture button shows both).
  for (const form::Control& c : ctx.game().form.controls()) {
    const std::string& file = c.picture_file;
    if (file.size() < 5 || core::fold_case(file.substr(0, 5)) != "data\\") continue;
    ctx.need_picture(file, {});
    const std::string stem = file.substr(0, file.size() - 6);
    if (ends_with(file, "_n.bmp")) ctx.need_picture(stem + "_p.bmp", {});
    if (ends_with(file, "_p.bmp")) ctx.need_picture(stem + "_n.bmp", {});
  }
  // The buttons and arrows the rules press or redraw.
  for (const char* stem : form::kButtonSprites)
    for (const char* state : {"_n.bmp", "_p.bmp"})
      ctx.need_picture(form::button_sprite(std::string(stem) + state), {});
  for (const char* stem : form::kArrowSprites)
    for (const char* state : {"_n.bmp", "_p.bmp"})
      ctx.need_picture(form::kArrowFolder + std::string(stem) + state, {});
  ctx.need_picture("Data\\Death\\death1.bmp", {});
  ctx.need_picture("Data\\Death\\death2.bmp", {});
  for (const char* track : {"menu.mp3", "intro.mp3", "outro.mp3", "fight.mp3"})
    ctx.need_music(std::string("Data\\Music\\") + track, {});
}

}  // namespace check
