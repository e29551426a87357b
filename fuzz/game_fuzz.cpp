// The whole game: a new game on the demo world, then a random script of
// clicks, picks, waits and write faults through the scripted runner (so only
// what a player could click is clicked). Every input starts with a new game,
// which resets the pickup files, so runs do not depend on each other.
#include <sstream>

#include "fuzz/fuzz_world.h"
#include "tools/runner/script.h"

namespace {

const char* const kControls[] = {
    "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn5", "Memo3",   "Memo4",   "Image15",
    "Image16", "Image17", "Image18", "Image20", "Image21", "Image23", "Image24",
    "Image25", "Image26", "Image27", "Image28", "Image37", "Label19", "Label20",
};
constexpr size_t kMaxOps = 200;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::ostringstream out;
  ScriptRunner runner(fuzz::world(), out);
  auto run = [&](const std::string& command) {
    out.str({});
    return runner.run(command);
  };
  run("seed " + std::to_string(size > 0 ? data[0] : 0));
  run("type Edit2 Фаззер");
  run("click BitBtn1");
  run("click BitBtn5");
  for (size_t i = 1, ops = 0; i + 1 < size && ops < kMaxOps; i += 2, ++ops) {
    const uint8_t op = data[i], arg = data[i + 1];
    bool going = true;
    switch (op % 9) {
      case 0:
        going = run(std::string("click ") + kControls[arg % std::size(kControls)]);
        break;
      case 1:
        going = run("pick PItems " + std::to_string(arg % 6));
        break;
      case 2:
        going = run("pick PInventory " + std::to_string(arg % 10));
        break;
      case 3:
        going = run("wait " + std::to_string(arg * 100));
        break;
      case 4:
        going = run("wait " + std::to_string(arg * 5000));
        break;
      case 5:
        going = run(std::string("click Image") + std::to_string(15 + arg % 4));
        break;
      case 6:
        going = run(std::string("click Image") + std::to_string(24 + arg % 3));
        break;
      case 7:
        going = run("fault " + std::to_string(arg % 8));
        break;
      default:
        run("type Edit2 Фаззер");
        going = run("click BitBtn1");
        break;
    }
    if (!going) break;
  }
  run("fault 0");
  return 0;
}
