// The inventory: up to 100 slots without gaps, the carried load against the
// capacity, the list on the status panel and its click modes.
#include "core/checked.h"
#include "core/convert.h"
#include "core/data_reader.h"
#include "game/form/sprites.h"
#include "game/game.h"
#include "game/items/catalogue.h"
#include "game/items/inventory_file.h"
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"

using core::str;

namespace {

constexpr int kSlots = 100;
constexpr const char* kButtons = form::kButtonFolder;

}  // namespace

int64_t Game::slotload(int slot) const {
  const invitem& s = inventory.invslots[slot];
  if (s.kind != "ammo") return s.weight;
  return catalogue::packs(s.count, catalogue::find_item(root, s.name)) * s.weight;
}

bool Game::hasroom(const catitem& item, int removed) const {
  const bool removing = removed >= 1 && removed < inventory.invnext;
  const int64_t load = inventory.invload - (removing ? slotload(removed) : 0);
  if (load + item.weight > hero.capacity) return false;
  if (item.kind == "ammo") {
    for (int i = 1; i < inventory.invnext; ++i)
      if (i != removed && inventory.invslots[i].name == item.name) return true;  // joins that slot
  }
  const int used = inventory.invnext - 1 - (removing ? 1 : 0);
  return used < kSlots;
}

int Game::addtoinv(const std::string& name, int state) {
  return put_in_inventory(catalogue::find_item(root, name), state);
}

int Game::put_in_inventory(const catitem& item, int state) {
  if (!hasroom(item, 0)) {
    outmsg("Перегружен !", form::colors::red, 2);
    return 0;
  }
  // Sums of catalogue numbers stop at the 32-bit limits.
  inventory.invload = core::sat_add(inventory.invload, item.weight);
  if (item.kind == "ammo") {
    for (int i = 1; i < inventory.invnext; ++i) {
      if (inventory.invslots[i].name == item.name) {
        inventory.invslots[i].count = core::sat_add(inventory.invslots[i].count, item.quantity);
        return 1;
      }
    }
  }
  invitem& slot = inventory.invslots[inventory.invnext];
  slot.name = item.name;
  slot.picture = item.picture;
  slot.count = item.quantity;
  slot.weight = item.weight;
  slot.state = state;
  slot.kind = item.kind;
  slot.ref = item.ref;
  slot.price = item.price;
  slot.description = item.description;
  ++inventory.invnext;
  return 1;
}

void Game::removefrominv(int slot) {
  if (slot < 1 || slot >= inventory.invnext) return;  // no such slot in use
  remove_slot(slot, slotload(slot));
}

void Game::remove_slot(int slot, int64_t load) noexcept {
  if (slot < 1 || slot >= inventory.invnext) return;
  inventory.invload = core::clamp32(int64_t{inventory.invload} - load);
  for (int i = slot; i < inventory.invnext - 1; ++i)
    inventory.invslots[i] = inventory.invslots[i + 1];
  --inventory.invnext;
}

void Game::showinv() {
  form::Control& list = form["PInventory"];
  list.set_row_count(1);
  list.rows[0].clear();
  list.set_row_count(inventory.invnext - 1);  // an empty inventory keeps its one empty row
  for (int i = 1; i < inventory.invnext; ++i)
    list.rows[static_cast<size_t>(i - 1)] = inventory.invslots[i].name;
  form["Label22"].caption = "Вес:  " + str(inventory.invload) + "/" + str(hero.capacity);
}

void Game::setinv() {
  inventory.invnext = 1;
  inventory.invload = 0;
  const std::vector<items::startitem> start = items::read_inventory_start(root);
  // The catalogue is read once for the whole start file: a long start file
  // costs one scan of the bytes per line, not one reading of the file.
  const std::string catalogue_bytes = core::read_data_file(root, catalogue::kItems);
  for (const items::startitem& s : start) {
    const catitem item =
        catalogue::find_item_in(catalogue_bytes, s.name, {items::kInventoryStart, s.line});
    put_in_inventory(item, 100);
  }
}

bool Game::itmsrsh(const std::string& name) const {
  for (int i = 1; i < inventory.invnext && i < static_cast<int>(inventory.invslots.size()); ++i)
    if (inventory.invslots[static_cast<size_t>(i)].name == name) return true;
  return false;
}

namespace {

// The sprites of the three mode buttons: the chosen one pressed, the other
// two normal.
void show_mode(Game& g, const char* view, const char* use, const char* drop) {
  const std::string dir = kButtons;
  g.load_picture("Image24", dir + view);
  g.load_picture("Image25", dir + use);
  g.load_picture("Image26", dir + drop);
}

}  // namespace

void Game::set_invmode(const std::string& mode) {
  inventory.invmode = mode;
}

void Game::Image24Click() {
  show_mode(*this, "view_p.bmp", "use_n.bmp", "throw_n.bmp");
  inventory.invmode = "view";
}

void Game::Image25Click() {
  show_mode(*this, "view_n.bmp", "use_p.bmp", "throw_n.bmp");
  inventory.invmode = "use";
}

void Game::Image26Click() {
  show_mode(*this, "view_n.bmp", "use_n.bmp", "throw_p.bmp");
  inventory.invmode = "drop";
}
