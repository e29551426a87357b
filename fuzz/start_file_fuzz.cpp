// The character start file: loaded, shown, and lived with for a while on the
// clock (needs, health loss, death).
#include "fuzz/fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = "Data\\Config\\roamkin.cfg";
  fuzz::put(file, fuzz::as_text(data, size));
  fuzz::Headless h;
  h.run([&] {
    h.game.loadhero();
    h.game.showroamkin();
    h.game.showpercents();
    h.game.form["Timer2"].start();
  });
  h.advance(5000);
  fuzz::restore(file);
  return 0;
}
