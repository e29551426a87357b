// The conversation file: read, and the elder of Выселки talked to (his
// conversation is the input) and left again.
#include "fuzz/fuzz_world.h"
#include "game/world/talk_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = "data\\levels\\Talks\\starosta.tlk";
  const std::string bytes(fuzz::as_text(data, size));
  fuzz::checked([&] {
    const world::conversation c = world::parse_conversation(file, bytes);
    if (c.n < 1 || c.blocks.size() != static_cast<size_t>(c.n)) __builtin_trap();
    world::lowest_reply_level(c);
  });
  fuzz::put(file, bytes);
  fuzz::Headless h;
  h.run([&] {
    h.game.loadhero();
    h.game.loadloc("8");
    h.game.setloc();
  });
  h.game.pick("tlk", 0);
  h.game.click("Image23");
  fuzz::restore(file);
  return 0;
}
