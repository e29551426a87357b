// The new-game reset of the world files: every pickup file back to its
// starting state, and an empty fight map.
#include <vector>

#include "core/safe_rewrite.h"
#include "game/combat/fight_map.h"
#include "game/game.h"
#include "game/world/data_paths.h"
#include "game/world/pickup_file.h"

void Game::newgame() {
  form::Control& ground = form["PItems"];
  ground.set_row_count(1);
  ground.rows[0].clear();

  // Dropped items go, placed ones come back: "always" for sure, any other
  // kind with one draw per entry in file order (r <= 65 leaves it taken).
  // All files are rewritten together, with one sync of the disk for all.
  std::vector<core::Rewrite> rewrites;
  for (const std::string& file : world::list_pickup_files(root)) {
    std::vector<world::pickupentry> kept;
    for (world::pickupentry& e : world::read_pickup_file(root, file)) {
      if (e.kind == "once") continue;
      e.availability = "aviable";
      if (e.kind != "always" && rng.Random(100) <= 65) e.availability = "unaviable";
      kept.push_back(std::move(e));
    }
    rewrites.push_back({file, file + ".tmp", world::pickup_lines(kept)});
  }
  core::safe_rewrite_all(root, rewrites);

  // The fight map starts empty.
  combat::reset_fight_map(root);
}
