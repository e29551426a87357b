// Movement: the four arrows of the location panel.
#include "game/form/sprites.h"
#include "game/game.h"
#include "game/world/location.h"

namespace {

// Presses the arrow (no wait after the release), then loads and shows the
// location its exit names. The exit is copied first: loading overwrites `loc`.
void go(Game& game, const char* image, const std::string& sprite, std::string location::*exit) {
  const std::string arrows = form::kArrowFolder;
  game.press(image, arrows + sprite + "_p.bmp", arrows + sprite + "_n.bmp", false);
  const std::string target = game.loc.*exit;
  game.loadloc(target);
  game.setloc();
}

}  // namespace

void Game::Image15Click() {
  go(*this, "Image15", "up", &location::goup);
}

void Game::Image16Click() {
  go(*this, "Image16", "down", &location::godown);
}

void Game::Image17Click() {
  go(*this, "Image17", "left", &location::goleft);
}

void Game::Image18Click() {
  go(*this, "Image18", "right", &location::goright);
}
