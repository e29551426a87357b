// Death of the character and the ten-second death screen that ends on the
// main menu.
#include "game/game.h"
#include "game/shell/data_paths.h"

namespace colors = form::colors;

void Game::stdeath() {
  form["Panel2"].visible = false;
  form["Panel1"].visible = false;
  form["Panel5"].visible = false;
  form.background = colors::red;
  rt.wait(300);
  form.background = colors::maroon;
  form["Location"].visible = false;
  form["fight"].visible = false;

  rng.seed_with(rt.clock_seed());
  const bool first = rng.Random(100) > 50;
  form::Control& picture = form["Image4"];
  picture.left = first ? 15 : 63;
  const char* const picture_file = shell::kDeathPictures[first ? 0 : 1];

  show(form::Screen::death);
  form["Timer2"].stop();
  form["Timer1"].stop();
  // A death in a lethal location, by a need or in a fight, must not be
  // followed by the location's own death when its countdown runs out.
  form["Timer4"].stop();
  form["PInventory"].enabled = false;
  form["PItems"].enabled = false;
  form["Timer7"].start();

  // The picture comes last: a picture that cannot be loaded is reported by
  // the dispatcher, and by then the character is fully dead (clock and fight
  // stopped, lists disabled, death screen up and its return to the menu
  // running). The frame is emptied first so that a failed load does not show
  // the picture of an earlier death.
  picture.picture = QImage();
  picture.picture_file.clear();
  load_picture("Image4", picture_file);
}

void Game::Timer7Timer() {
  form["Panel2"].visible = true;
  form["Panel1"].visible = true;
  form["Panel5"].visible = true;
  form.background = colors::black;
  form["Location"].visible = true;
  show(form::Screen::location);
  form["fight"].visible = true;
  park(form::Screen::fight);
  park(form::Screen::death);
  form["PInventory"].enabled = true;
  form["PItems"].enabled = true;
  show(form::Screen::menu);
  stop_music();
  start_track(shell::kMenuMusic, false);
  form["Timer7"].stop();
}
