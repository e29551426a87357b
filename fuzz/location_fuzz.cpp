// The location file: loaded and shown, its clock rates and deadly countdown
// run, its exits taken.
#include "fuzz/fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = "data\\levels\\locations\\fuzz.loc";
  fuzz::put(file, fuzz::as_text(data, size));
  fuzz::Headless h;
  h.run([&] {
    h.game.loadhero();
    h.game.loadloc("fuzz");
    h.game.setloc();
    h.game.form["Timer2"].start();
  });
  h.advance(3000);
  for (const char* arrow : {"Image15", "Image16", "Image17", "Image18"}) {
    if (!h.game.form[arrow].visible) continue;
    h.game.click(arrow);
    break;
  }
  return 0;
}
