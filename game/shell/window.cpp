// Window creation, panel parking and the picture-button press.
#include "core/picture.h"
#include "game/game.h"
#include "game/shell/music_state.h"

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

void Game::load_picture(const std::string& image, const std::string& file,
                        const core::Origin& from) {
  QImage picture = core::load_picture(root, file, from);
  form::Control& c = form[image];
  c.picture = std::move(picture);
  c.picture_file = file;
}

void Game::press(const std::string& image, const std::string& pressed, const std::string& normal,
                 bool wait_after) {
  load_picture(image, pressed);
  rt.wait(200);
  load_picture(image, normal);
  if (wait_after) rt.wait(100);
}
