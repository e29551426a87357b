// The enemy catalogue: read, and a fight of three of the demo's keys looked
// up in it.
#include "fuzz/fuzz_world.h"
#include "game/combat/enemy_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = "Data\\Combat\\enemies.dat";
  const std::string bytes(fuzz::as_text(data, size));
  for (const combat::enemyentry& e : combat::parse_enemy_catalogue(bytes))
    if (e.line < 1) __builtin_trap();
  fuzz::put(file, bytes);
  fuzz::Headless h;
  h.run([&] {
    h.game.loadhero();
    h.game.loadloc("5");
    h.game.startfight("pes", "marodyor", "mutant");
  });
  h.advance(1500);
  fuzz::restore(file);
  fuzz::restore("data\\levels\\Pickup\\5.pkp");
  return 0;
}
