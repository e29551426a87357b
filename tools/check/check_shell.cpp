// Checks of the shell's files: the character and inventory start files, the
// intro, the window's sprites, the death pictures and the fixed music tracks.
#include <string>

#include "core/data_error.h"
#include "game/combat/data_paths.h"
#include "game/form/sprites.h"
#include "game/items/catalogue.h"
#include "game/items/inventory_file.h"
#include "game/items/inventory_state.h"
#include "game/progression/data_paths.h"
#include "game/screens/data_paths.h"
#include "game/screens/start_file.h"
#include "game/services/data_paths.h"
#include "game/services/rmkin.h"
#include "tools/check/checker.h"

namespace check {

namespace {
using items::kInventoryStart;
using screens::kStartFile;

bool ends_with(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

void check_start_file(Context& ctx) {
  ctx.read_file(kStartFile);
  if (ctx.guard([&] { ctx.game().loadhero(); })) ctx.start_level = ctx.game().hero.level;
}

void check_inventory(Context& ctx) {
  // The new game equips the default weapon and armour from the catalogue.
  ctx.need_item_of_kind(catalogue::kHands, "gun", {});
  ctx.need_item_of_kind(catalogue::kClothes, "armor", {});
  // Every line names an item, as the new game reads it (an empty line too).
  ctx.read_file(kInventoryStart);
  std::vector<items::startitem> start;
  if (!ctx.guard([&] { start = items::read_inventory_start(ctx.root); })) return;
  for (const items::startitem& s : start) ctx.need_item(s.name, {kInventoryStart, s.line});
  // What a new game carries, through the engine's own inventory: an item the
  // character cannot carry is left out with "Перегружен !".
  Game& g = ctx.game();
  try {
    g.inventory.invnext = 1;
    g.inventory.invload = 0;
    g.loadhero();
    g.setgun(catalogue::kHands, 0, 100);
    g.setarmor(catalogue::kClothes, 2, 100);
    for (const items::startitem& s : start) {
      try {
        if (g.addtoinv(s.name, 100) == 0)
          ctx.problem(kInventoryStart, s.line,
                      "Item '" + s.name +
                          "' does not fit: a new game starts without it (capacity " +
                          std::to_string(g.hero.capacity) + ")");
      } catch (const core::DataError&) {
        // reported with the item references
      }
    }
  } catch (const core::DataError&) {
    // the start files' own problems are reported above
  }
}

void check_intro(Context& ctx) {
  for (int i = 1; i <= screens::kIntroTexts; ++i)
    ctx.need_file(screens::kIntroFolder + std::to_string(i) + ".txt", {});
  for (int i = 1; i <= screens::kIntroPictures; ++i)
    ctx.need_picture(screens::kIntroPictureFolder + std::to_string(i) + ".jpg", {});
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
  for (const char* picture : progression::kDeathPictures) ctx.need_picture(picture, {});
  for (const char* track :
       {services::kMenuMusic, services::kIntroMusic, services::kOutroMusic, combat::kFightMusic})
    ctx.need_music(track, {});
}

}  // namespace check
