// The character: its start values from the start file.
#include "game/game.h"
#include "game/screens/start_file.h"

void Game::loadhero() {
  // Read into a copy that becomes `hero` once complete: a bad start file
  // changes nothing of the character.
  hero = screens::read_start_file(root, hero);
}
