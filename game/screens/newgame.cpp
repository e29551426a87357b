// The new-game sequence behind the menu's start button.
#include "core/convert.h"
#include "game/game.h"
#include "game/records.h"

void Game::reset_game() {
  // Every control but the menu's, as the started window had it: whatever
  // screen was open at death or after the outro, and whatever it hid or
  // disabled elsewhere (the inventory mode buttons, the partner list).
  form::restore_all_but(form, start_form_, form::Screen::menu);
  // Every subsystem's records, as a started program has them (each record's
  // own initial values), a record added later included.
  reset_records();
  deadcount = 0;
}

void Game::BitBtn1Click() {
  const std::string name = form["Edit2"].caption;
  if (name.empty()) return;
  stop_music();
  reset_game();
  rng.seed_with(rt.clock_seed());
  newgame();
  set_questst("live");
  start_calendar();
  loadhero();
  hero.name = name;
  // Nothing is worn after the reset: the defaults go on without any room
  // check, whatever the new strength.
  setgun(catalogue::kHands, 0, 100);
  setarmor(catalogue::kClothes, 2, 100);
  setinv();
  showroamkin();
  showinv();
  set_invmode("view");
  park(form::Screen::menu);
  form["Image35"].visible = false;
  show(form::Screen::intro);
  slides.introstep = 1;
  form["Timer6"].set_interval(20000);
  loadintro("1.txt");
  form["Timer6"].start();
}
