// Equipping a weapon or armour, and the weapon and armour lines of the
// status panel.
#include "game/game.h"
#include "game/items/catalogue.h"
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"

using catalogue::kClothes;
using catalogue::kHands;

namespace {

// Whether the item taken off can go back into the inventory once slot
// `taken` (0: none) has left it. An empty name (nothing worn yet, before the
// first game) goes nowhere and needs no room.
bool room_for_return(const Game& g, const std::string& back, int taken) {
  if (back.empty()) return true;
  return g.hasroom(catalogue::find_item(g.root, back), taken);
}

}  // namespace

bool Game::setgun(const std::string& name_in, int slot, int state) {
  const std::string name = name_in;  // may be a slot's name, and the slots move
  const catitem item = catalogue::find_item(root, name);
  const guns g = catalogue::find_gun(root, item.ref);
  const bool takes = name != kHands;
  const std::string back = hero.gunname != kHands ? hero.gunname : std::string();
  // Everything is checked before anything changes: the replaced weapon must
  // fit, with the new one's slot already gone.
  if (!room_for_return(*this, back, takes ? slot : 0)) {
    outmsg("Перегружен !", form::colors::red, 2);
    return false;
  }
  if (takes) removefrominv(slot);
  if (!back.empty()) addtoinv(back, hero.gunstate);
  hero.gunname = name;
  hero.gunammo = g.ammo;
  hero.gunsingle = g.single;
  hero.gunburst = g.burst;
  hero.gunmindmg = g.mindmg;
  hero.gunmaxdmg = g.maxdmg;
  hero.gunstate = state;
  hero.gunwearmin = g.wearmin;
  hero.gunwearmax = g.wearmax;
  hero.guntext1 = g.text1;
  hero.guntext2 = g.text2;
  hero.guntext3 = g.text3;
  hero.guntext4 = g.text4;
  if (shown(form::Screen::fight)) {
    if (form::Control* burst = form.find("RadioButton2")) burst->visible = hero.gunburst > 0;
  }
  form["Label19"].caption = "Оружие: " + name;
  return true;
}

bool Game::setarmor(const std::string& name_in, int slot, int state) {
  const std::string name = name_in;  // may be a slot's name, and the slots move
  const catitem item = catalogue::find_item(root, name);
  const armors a = catalogue::find_armor(root, item.ref);
  const bool takes = name != kClothes;
  const std::string back = hero.armname != kClothes ? hero.armname : std::string();
  if (!room_for_return(*this, back, takes ? slot : 0)) {
    outmsg("Перегружен !", form::colors::red, 2);
    return false;
  }
  if (takes) removefrominv(slot);
  if (!back.empty()) addtoinv(back, hero.armstate);
  hero.armname = name;
  hero.armprotect = a.protect;
  hero.armradres = a.radres;
  hero.armstate = state;
  hero.armwearmin = a.wearmin;
  hero.armwearmax = a.wearmax;
  hero.armtext = a.text;
  form["Label20"].caption = "Защита: " + name;
  return true;
}

void Game::Label19Click() {
  if (inventory.invmode == "use" && hero.gunname != kHands) {
    if (setgun(kHands, 0, 100)) {
      showroamkin();
      showinv();
    }
  } else if (inventory.invmode == "view") {
    showitem(hero.gunname, 1, hero.gunstate);
    open_viewer();
  }
}

void Game::Label20Click() {
  if (inventory.invmode == "use" && hero.armname != kClothes) {
    if (setarmor(kClothes, 0, 100)) {
      showroamkin();
      showinv();
    }
  } else if (inventory.invmode == "view") {
    showitem(hero.armname, 1, hero.armstate);
    open_viewer();
  }
}
