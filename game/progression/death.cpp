// Death of the character and the ten-second death screen that ends on the
// main menu.
#include "game/game.h"
#include "game/progression/data_paths.h"
#include "game/services/data_paths.h"
#include "game/world/location.h"

namespace colors = form::colors;

void Game::stdeath() {
  for (form::Screen s : {form::Screen::date, form::Screen::status, form::Screen::area}) park(s);
  form.background = colors::red;
  rt.wait(300);
  form.background = colors::maroon;
  // Every screen goes, whatever was open over the play screen (a trader, the
  // viewer, a conversation, the level-up, a fight): only the death screen
  // and the place picture stay.
  form::park_all_but(form, form::Screen::death);

  rng.seed_with(rt.clock_seed());
  const bool first = rng.Random(100) > 50;
  form::Control& picture = form["Image4"];
  picture.left = first ? 15 : 63;
  const char* const picture_file = progression::kDeathPictures[first ? 0 : 1];

  show(form::Screen::death);
  // Every timer but the death screen's own stops: the clock, the fight loop,
  // and the lethal location's countdown, which would otherwise run the death
  // a second time.
  for (form::Control& c : form.controls())
    if (c.kind == form::Kind::Timer && c.name != form::place_of(form::Screen::death).timer)
      c.stop();
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
  for (form::Screen s : {form::Screen::date, form::Screen::status, form::Screen::area}) show(s);
  form.background = colors::black;
  show(form::Screen::location);
  park(form::Screen::death);
  form["PInventory"].enabled = true;
  form["PItems"].enabled = true;
  show(form::Screen::menu);
  stop_music();
  start_track(services::kMenuMusic, false);
  form["Timer7"].stop();
}
