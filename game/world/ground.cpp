// Ground items: the pickup file of the current location, its list PItems,
// picking up, laying down and dropping, and the inventory search.
//
// Every change reads the whole file, builds the new content in memory and replaces
// the file through its temporary file in one safe step, so the file is always
// either the old or the new one.
#include <vector>

#include "game/game.h"
#include "game/items/catalogue.h"
#include "game/items/inventory_state.h"
#include "game/world/data_paths.h"
#include "game/world/location.h"
#include "game/world/pickup_file.h"

using world::pickupentry;

namespace {

// The file's entries unchanged with "once" entries of the items appended.
std::vector<pickupentry> with_items_laid_down(const core::DataRoot& root, const std::string& file,
                                              const std::vector<std::string>& names) {
  std::vector<pickupentry> entries = world::read_pickup_file(root, file);
  for (const std::string& name : names) entries.push_back({"once", name, "aviable"});
  return entries;
}

}  // namespace

void Game::setitems() {
  form::Control& ground = form["PItems"];
  ground.set_row_count(1);
  ground.rows[0].clear();
  int count = 1;
  for (const pickupentry& e : world::read_pickup_file(root, world::pickup_file(loc.pkp))) {
    if (e.availability != "aviable") continue;
    ground.rows[static_cast<size_t>(count - 1)] = e.name;
    count += 1;
    ground.set_row_count(count);
  }
  ground.set_row_count(count - 1);
}

void Game::PItemsClick() {
  const form::Control& ground = form["PItems"];
  if (ground.row < 0 || ground.row >= static_cast<int>(ground.rows.size())) return;
  if (ground.rows[static_cast<size_t>(ground.row)].empty()) return;
  pickup(ground.row);
}

void Game::pickup(int row) {
  const form::Control& ground = form["PItems"];
  if (row < 0 || row >= static_cast<int>(ground.rows.size())) return;
  const std::string name = ground.rows[static_cast<size_t>(row)];

  // The first entry of that name not yet taken is the one picked up: a dropped
  // ("once") item leaves the file, a placed one stays marked as taken.
  const std::string file = world::pickup_file(loc.pkp);
  const std::vector<pickupentry> entries = world::read_pickup_file(root, file);
  size_t taken = entries.size();
  for (size_t i = 0; i < entries.size() && taken == entries.size(); ++i)
    if (entries[i].name == name && entries[i].availability != "unaviable") taken = i;
  // A row the file no longer holds is never taken: the list is brought back
  // in line with the file and nothing else changes.
  if (taken == entries.size()) {
    setitems();
    return;
  }

  // Everything that can fail is done before the file changes: the catalogue
  // record (a missing one names the entry that asked for it) and the room.
  // An overloaded character leaves the ground as it is, with addtoinv's
  // message. The item joins the inventory once the pickup file has been
  // rewritten, so it is never both carried and lying on the ground, nor
  // carried without having left it.
  const int item_line = entries[taken].line + 1;
  const catitem item = catalogue::find_item(root, name, {file, item_line});
  if (!hasroom(item, 0)) {
    outmsg("Перегружен !", form::colors::red, 2);
    return;
  }
  std::vector<pickupentry> kept;
  for (size_t i = 0; i < entries.size(); ++i) {
    const pickupentry& e = entries[i];
    if (i != taken) {
      kept.push_back(e);
    } else if (e.kind != "once") {
      kept.push_back({e.kind, e.name, "unaviable"});
    }
  }
  world::write_pickup_file(root, file, file + ".tmp", kept);
  put_in_inventory(item, 100);

  setitems();
  showinv();
  outmsg("Поднял предмет", form::colors::white, 1);
}

void Game::addtoground(const std::string& name) {
  addtoground(std::vector<std::string>{name});
}

void Game::addtoground(const std::vector<std::string>& names) {
  const std::string file = world::pickup_file(loc.pkp);
  world::write_pickup_file(root, file, file + ".tmp", with_items_laid_down(root, file, names));
}

void Game::dropitem(int slot) {
  if (slot < 1 || slot >= inventory.invnext || slot >= static_cast<int>(inventory.invslots.size()))
    return;
  const std::string name = inventory.invslots[static_cast<size_t>(slot)].name;
  // What the slot weighs is known before the ground changes (it may need the
  // catalogue, which may fail): from then on the drop cannot stop half-way.
  const int64_t load = slotload(slot);

  // One entry, whatever the slot's count. Dropping names its temporary file
  // after the pickup name alone ("x.tmp", not "x.pkp.tmp").
  const std::string file = world::pickup_file(loc.pkp);
  world::write_pickup_file(root, file, std::string(world::kPickupFolder) + "\\" + loc.pkp + ".tmp",
                           with_items_laid_down(root, file, {name}));

  // The whole view is refreshed while the item is still carried (the give
  // button of the back room sees it). The item leaves the inventory after the
  // refresh even when the refresh fails: it lies on the ground now.
  struct LeaveInventory {
    Game& game;
    int slot;
    int64_t load;
    ~LeaveInventory() {
      game.remove_slot(slot, load);
      game.showroamkin();
      game.showinv();
    }
  };
  {
    LeaveInventory leave{*this, slot, load};
    setloc();
  }
  outmsg("Бросил вещь", form::colors::white, 2);
}
