// The fight file: read, and its fight started by a location that attacks at
// once, then fought for a few seconds.
#include "fuzz/fuzz_world.h"
#include "game/combat/fight_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(fuzz::as_text(data, size));
  combat::parse_fight_file("fuzz.fgt", bytes);
  fuzz::put("data\\levels\\Fights\\fuzz.fgt", bytes);
  fuzz::Headless h;
  h.run([&] {
    h.game.loadhero();
    h.game.loadloc("5");
    h.game.loc.fgt = "fuzz";
    h.game.loc.fgtstart = "now";
    h.game.setloc();
  });
  for (int i = 0; i < 3; ++i) {
    h.advance(1500);
    for (const char* enemy : {"Image9", "Image11", "Image10"}) h.game.click(enemy);
  }
  // Loot and the fight map are put back, so runs do not pile them up.
  fuzz::restore("data\\levels\\Pickup\\5.pkp");
  fuzz::restore("data\\levels\\fights\\fight.map");
  return 0;
}
