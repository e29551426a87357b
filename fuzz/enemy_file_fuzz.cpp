// The enemy file: read, two of it fought, hit until they fall and leave
// their loot, or until the fight is over.
#include "fuzz/fuzz_world.h"
#include "game/combat/enemy_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = "Data\\Combat\\dog.enm";
  const std::string bytes(fuzz::as_text(data, size));
  fuzz::checked([&] {
    const enemy e = combat::parse_enemy_file(file, bytes);
    if (e.lootcount < 0 || e.lootcount > kMaxLoot) __builtin_trap();
  });
  fuzz::put(file, bytes);
  fuzz::Headless h;
  h.run([&] {
    h.game.loadhero();
    h.game.loadloc("5");
    h.game.startfight("pes", "pes", "no");
  });
  for (int i = 0; i < 6 && h.game.form["Timer1"].enabled; ++i) {
    h.advance(1000);
    h.game.hero.ready = 100;
    for (const char* enemy : {"Image9", "Image11"}) h.game.click(enemy);
  }
  fuzz::restore(file);
  fuzz::restore("data\\levels\\Pickup\\5.pkp");
  return 0;
}
