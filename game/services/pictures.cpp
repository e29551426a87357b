// Pictures of the data folder in image controls, and the picture-button press.
#include "core/picture.h"
#include "game/game.h"

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
