// The new-game sequence behind the menu's start button.
#include "core/convert.h"
#include "game/game.h"

void Game::write_date() {
  using core::str;
  form["Label1"].caption = "Год: " + str(year) + "  Месяц: " + str(month) +
                           "  Неделя: " + str(week) + "  День: " + str(day);
}

void Game::BitBtn1Click() {
  const std::string name = form["Edit2"].caption;
  if (name.empty()) return;
  stop_music();
  curmusic.clear();
  lasttalk = false;
  rng.seed_with(rt.clock_seed());
  newgame();
  questst = "live";
  year = 2015;
  month = 9;
  week = 1;
  day = 1;
  daytick = 1;
  daytime = "Утро";
  invnext = 1;
  invload = 0;  // the inventory is empty from here on
  write_date();
  form["Label2"].font.color = form::colors::aqua;
  form["Label2"].caption = daytime;
  loadhero();
  hero.name = name;
  // The previous game's weapon and armour are not carried over: with nothing
  // worn, the defaults go on without any room check, whatever the new
  // strength or the old load.
  hero.gunname.clear();
  hero.armname.clear();
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
