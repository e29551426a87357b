// The inventory start file: carried as a new game does, shown, viewed and used.
#include "fuzz/fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = "Data\\Config\\inventory.cfg";
  fuzz::put(file, fuzz::as_text(data, size));
  fuzz::Headless h;
  h.run([&] {
    h.game.loadhero();
    h.game.setinv();
    h.game.showinv();
    h.game.showroamkin();
  });
  for (int row = 0; row < 3; ++row) {
    h.game.inventory.invmode = "view";
    h.game.pick("PInventory", row);
    h.game.inventory.invmode = "use";
    h.game.pick("PInventory", row);
  }
  fuzz::restore(file);
  return 0;
}
