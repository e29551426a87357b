// The item catalogue: the first byte picks one of the six files, the rest is
// its content. The start inventory is carried, viewed, used and equipped.
#include "fuzz/fuzz_world.h"
#include "game/items/catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const char* const kFiles[] = {catalogue::kItems, catalogue::kGuns,  catalogue::kArmor,
                                       catalogue::kMedik, catalogue::kDrink, catalogue::kFood};
  const std::string file = kFiles[data[0] % 6];
  fuzz::put(file, fuzz::as_text(data + 1, size - 1));
  fuzz::Headless h;
  h.run([&] { catalogue::each_item(fuzz::world(), [](const catitem&, int) {}); });
  h.run([&] {
    h.game.loadhero();
    h.game.setgun(catalogue::kHands, 0, 100);
    h.game.setarmor(catalogue::kClothes, 2, 100);
    h.game.setinv();
    h.game.showinv();
  });
  for (int row = 0; row < 4; ++row) {
    h.game.inventory.invmode = "view";
    h.game.pick("PInventory", row);
    h.game.inventory.invmode = "use";
    h.game.pick("PInventory", row);
  }
  h.game.click("Label19");
  h.game.click("Label20");
  fuzz::restore(file);
  return 0;
}
