// The end of a conversation (OK) and the two quest actions of the back room:
// giving the glass of light or paying for the binoculars.
//
// Both actions lay the binoculars on the ground first: the pickup file is
// rewritten through its temporary file, and only then do the money or the
// glass leave the character and the quest end. A failed write therefore
// changes nothing.
#include "core/checked.h"
#include "game/form/sprites.h"
#include "game/game.h"
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"
#include "game/world/talk.h"
#include "game/world/talk_state.h"

namespace {}  // namespace

void Game::set_questst(const std::string& state) {
  talkstate.questst = state;
}

void Game::Image23Click() {
  press("Image23", form::button_sprite("ok_p.bmp"), form::button_sprite("ok_n.bmp"));
  if (talkstate.lasttalk) {
    start_outro();
    return;
  }
  for (const char* name : {"Image20", "Image16", "Image15", "Image17", "Image18"})
    form[name].visible = true;
  form["Image23"].visible = false;
  park(form::Screen::talk);
  setloc();
}

void Game::Image28Click() {
  press("Image28", form::button_sprite("pay_p.bmp"), form::button_sprite("pay_n.bmp"));
  if (loc.place != quest::kBackRoom || talkstate.questst != "live" || hero.money < quest::kPrice)
    return;
  addtoground(quest::kBinoculars);
  hero.money = core::sat_sub(hero.money, quest::kPrice);
  showroamkin();
  setitems();
  talkstate.questst = "done";
  setloc();
}

void Game::Image27Click() {
  press("Image27", form::button_sprite("give_p.bmp"), form::button_sprite("give_n.bmp"));
  if (loc.place != quest::kBackRoom || talkstate.questst != "live") return;
  // The last slot holding the glass; none left (it was dropped while the
  // button still showed) gives nothing away and changes nothing.
  int slot = 0;
  for (int i = 1; i < inventory.invnext; ++i)
    if (inventory.invslots[static_cast<size_t>(i)].name == quest::kGlass) slot = i;
  if (slot == 0) return;
  addtoground(quest::kBinoculars);
  removefrominv(slot);
  showinv();
  setitems();
  talkstate.questst = "done";
  setloc();
}
