// Window creation: the design's sprites, the music channel, the menu's start.
#include "core/picture.h"
#include "game/game.h"
#include "game/services/music_state.h"

void Game::FormCreate() {
  // What the window holds when this ends, also after a bad sprite, is what a
  // new game restores.
  struct Remember {
    Game& g;
    ~Remember() { g.start_form_ = g.form; }
  } remember{*this};
  form.screen_left = 10;
  form.screen_top = 10;
  menustep = 1;
  music.init();
  music.set_volume(soundtrack.muted ? 0 : kMusicVolume);
  music.start();
  // The sprites the window shows before any rule loads one. A missing one
  // leaves its button blank until a rule loads it; a broken one is reported
  // like any bad data file.
  for (form::Control& c : form.controls()) {
    if (c.kind != form::Kind::Image || c.picture_file.empty() || !c.picture.isNull()) continue;
    if (c.picture_file.rfind("Data\\", 0) != 0) continue;
    if (root.find(c.picture_file)) c.picture = core::load_picture(root, c.picture_file);
  }
}
