// The whole game: a new game on the demo world, then a random script of
// clicks, picks, keys, waits and read or write faults through the headless
// host (so only what a player could click is clicked). The controls are the
// ones the engine has click handlers for. The demo is loaded into memory
// once; every input plays a fresh copy of it, so runs do not depend on each
// other and no input touches the disk.
#include <memory>
#include <string>
#include <vector>

#include "core/files.h"
#include "core/memory_files.h"
#include "core/paths.h"
#include "fuzz/fuzz_world.h"
#include "game/headless_host.h"
#include "game/records.h"

namespace {

constexpr size_t kMaxOps = 200;

// A fresh copy of the demo with failures that the input arms. Everything
// the input allocates is freed when it ends, so libFuzzer sees no growth
// that would make it look for leaks.
struct World {
  explicit World(const core::MemoryFiles& demo)
      : root(fuzz::kTop, std::make_shared<core::MemoryFiles>(demo)),
        faults(core::FaultyFiles::over(root)) {}
  core::DataRoot root;
  std::shared_ptr<core::FaultyFiles> faults;
};

// The controls with click handlers: lists are picked at a row, the others
// clicked.
struct Controls {
  std::vector<std::string> clicked, picked;
  explicit Controls(const Game& game) {
    for (const form::Control& c : game.form.controls())
      if (game.has_click_handler(c.name))
        (c.kind == form::Kind::List ? picked : clicked).push_back(c.name);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  World world(fuzz::demo_data());
  HeadlessHost host(world.root, [](const std::string&) {});
  host.rt.seed_override = true;
  host.rt.seed = size > 0 ? data[0] : 0;
  host.start();
  static const Controls controls(host.game);
  auto new_game = [&] {
    host.type("Edit2", "Фаззер");
    host.click("BitBtn1");
  };
  new_game();
  host.click("BitBtn5");
  for (size_t i = 1, ops = 0; i + 1 < size && ops < kMaxOps; i += 2, ++ops) {
    const uint8_t op = data[i], arg = data[i + 1];
    const size_t which = op / 8;
    switch (op % 8) {
      case 0:
      case 1:
        host.click(controls.clicked[(which << 8 | arg) % controls.clicked.size()],
                   op % 2 ? Press::second_of_double : Press::single);
        break;
      case 2:
        host.pick(controls.picked[which % controls.picked.size()], arg % 16);
        break;
      case 3:
        host.key(static_cast<Key>(arg % (static_cast<int>(Key::mute) + 1)));
        break;
      case 4:
        host.wait(which % 2 ? arg * 5000 : arg * 100);
        break;
      case 5:
        world.faults->fail_write_step(arg % 8);
        break;
      case 6:
        world.faults->fail_read(arg % 32);
        break;
      default:
        new_game();
        break;
    }
    if (host.rt.quit_requested) break;
  }
  return 0;
}
