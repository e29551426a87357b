// A click on the inventory list: what it does depends on the mode the
// player chose (view, use, drop) or the trade screen set (sell), so it sits
// above the subsystems it hands the slot to: the viewer and use (items), the
// ground (world) and the offer (trade).
#include "game/game.h"
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"

void Game::PInventoryClick() {
  const int r = form["PInventory"].row;
  if (r < 0 || r + 1 >= inventory.invnext) return;  // the empty row of an empty inventory
  const int slot = r + 1;
  if (inventory.invmode == "use") {
    useitem(slot);
    if (hero.ready > 0) hero.ready = 0;
  } else if (inventory.invmode == "drop") {
    dropitem(slot);
    if (hero.ready > 0) hero.ready = 0;
  } else if (inventory.invmode == "view") {
    const invitem s = inventory.invslots[slot];
    showitem(s.name, s.count, s.state);
    open_viewer();
  } else if (inventory.invmode == "trade") {
    wantsell(r);
  }
}
