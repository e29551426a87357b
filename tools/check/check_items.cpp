// Checks of the item catalogue: every record of the six files, each item's
// picture, and the record of its kind file that its reference names.
#include <map>
#include <set>
#include <string>

#include "core/convert.h"
#include "game/items/catalogue.h"
#include "tools/check/checker.h"

namespace check {

void check_catalogue(Context& ctx) {
  using namespace catalogue;
  // The ids of each kind file; a file that fails to read is reported once
  // and its kind's references are not checked.
  std::map<std::string, std::set<int32_t>> ids;
  std::map<std::string, std::string> readable;  // kind -> its file, when it reads cleanly
  auto collect = [&](const char* kind, const char* file, const std::function<void()>& scan) {
    ctx.read_file(file);
    if (ctx.guard(scan)) readable[kind] = file;
  };
  collect("gun", kGuns,
          [&] { each_gun(ctx.root, [&](const guns& r, int) { ids["gun"].insert(r.id); }); });
  collect("armor", kArmor,
          [&] { each_armor(ctx.root, [&](const armors& r, int) { ids["armor"].insert(r.id); }); });
  const std::pair<const char*, const char*> consumables[] = {
      {"medik", kMedik}, {"drink", kDrink}, {"food", kFood}};
  for (const auto& [kind, file] : consumables) {
    const std::string k = kind;
    const char* f = file;
    collect(kind, file, [&] {
      each_consumable(ctx.root, f, [&](const consumable& r, int) { ids[k].insert(r.id); });
    });
  }

  // Fields of an items.dat record, as value lines after the name's line.
  constexpr int kPicture = 2, kQuantity = 4, kRef = 10;
  ctx.read_file(kItems);
  ctx.guard([&] {
    each_item(ctx.root, [&](const catitem& r, int line) {
      ctx.items += 1;
      ctx.need_picture(r.picture, {kItems, line + kPicture});
      if (r.quantity < 1)
        ctx.problem(kItems, line + kQuantity,
                    "Item '" + r.name + "' has a quantity below 1 (" + core::str(r.quantity) + ")");
      const auto kind_file = readable.find(r.kind);
      if (kind_file != readable.end() && ids[r.kind].count(r.ref) == 0)
        ctx.problem(kItems, line + kRef,
                    "Item '" + r.name + "' of kind '" + r.kind + "': record " + core::str(r.ref) +
                        " not found in " + kind_file->second);
    });
  });
}

}  // namespace check
