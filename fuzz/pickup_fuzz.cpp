// The pickup file: listed, every row picked up, an item dropped, and the
// new-game reset of the pickup folder.
#include "fuzz/fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = "data\\levels\\Pickup\\1.pkp";
  fuzz::put(file, fuzz::as_text(data, size));
  fuzz::Headless h;
  h.run([&] {
    h.game.loadhero();
    h.game.loadloc("1");
    h.game.setloc();
  });
  for (int row = 0; row < 4; ++row) h.game.pick("PItems", 0);
  h.game.inventory.invmode = "drop";
  h.game.pick("PInventory", 0);
  h.run([&] { h.game.newgame(); });
  fuzz::restore(file);
  return 0;
}
