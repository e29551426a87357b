// The trader file: read, its trade screen opened in the bunker's store and
// every offered line priced.
#include "fuzz/fuzz_world.h"
#include "game/trade/trader_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = "data\\levels\\Trade\\kladovshik.trd";
  const std::string bytes(fuzz::as_text(data, size));
  fuzz::checked([&] {
    const trade::traderfile f = trade::parse_trader_file(file, bytes);
    trader t;
    trade::offer_stock(f, 1000, t);
    if (t.stockcount < 0 || t.stockcount > trade::kMaxStock) __builtin_trap();
  });
  fuzz::put(file, bytes);
  fuzz::Headless h;
  h.run([&] {
    h.game.loadhero();
    h.game.loadloc("12");
    h.game.loc.fgt = "no";
    h.game.setloc();
  });
  h.game.click("Image20");
  for (int row = 0; row < 4; ++row) h.game.pick("StringGrid1", row);
  fuzz::restore(file);
  return 0;
}
