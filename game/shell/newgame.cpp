// The new-game sequence behind the menu's start button.
#include "core/convert.h"
#include "game/game.h"

void Game::write_date() {
  using core::str;
  form["Label1"].caption = "Год: " + str(year) + "  Месяц: " + str(month) +
                           "  Неделя: " + str(week) + "  День: " + str(day);
}

void Game::reset_game() {
  // Every control but the menu's, as the started window had it: whatever
  // screen was open at death or after the outro, and whatever it hid or
  // disabled elsewhere (the inventory mode buttons, the partner list).
  form::restore_all_but(form, start_form_, form::Screen::menu);
  // Every subsystem's records, as a started program has them. The music's
  // stream handle belongs to the channel and the mute key to the player:
  // both carry over.
  hero = rmkin{};  // shell
  introstep = 0;   // intro and outro
  outrostep = 0;
  outropos = 0;
  curmusic.clear();  // music
  musicfile.clear();
  year = month = week = day = daytick = 0;  // clock
  daytime.clear();
  deadcount = 0;
  levelup = LevelUpState{};  // level-up
  loc = location{};          // world
  questst.clear();           // conversations and the quest
  lasttalk = false;
  invslots = {};  // inventory
  invnext = 1;
  invload = 0;
  invmode.clear();
  combat = CombatState{};  // combat
  curtrader = trader{};    // trade
  tradeview.clear();
  tradesel.clear();
}

void Game::BitBtn1Click() {
  const std::string name = form["Edit2"].caption;
  if (name.empty()) return;
  stop_music();
  reset_game();
  rng.seed_with(rt.clock_seed());
  newgame();
  questst = "live";
  year = 2015;
  month = 9;
  week = 1;
  day = 1;
  daytick = 1;
  daytime = "Утро";
  write_date();
  form["Label2"].font.color = form::colors::aqua;
  form["Label2"].caption = daytime;
  loadhero();
  hero.name = name;
  // Nothing is worn after the reset: the defaults go on without any room
  // check, whatever the new strength.
  setgun(catalogue::kHands, 0, 100);
  setarmor(catalogue::kClothes, 2, 100);
  setinv();
  showroamkin();
  showinv();
  invmode = "view";
  park(form::Screen::menu);
  form["Image35"].visible = false;
  show(form::Screen::intro);
  introstep = 1;
  form["Timer6"].set_interval(20000);
  loadintro("1.txt");
  form["Timer6"].start();
}
