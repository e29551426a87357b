// Checks of the traders a location names: the trader file (factors, stock
// lines naming catalogue items) and the portrait.
#include <set>
#include <string>
#include <type_traits>

#include "core/data_error.h"
#include "game/trade/data_paths.h"
#include "game/trade/trader.h"
#include "game/trade/trader_file.h"
#include "tools/check/checker.h"

namespace check {

void check_traders(Context& ctx) {
  std::set<std::string> seen;
  for (const auto& entry : ctx.traders) {
    const std::string& name = entry.first;
    const Asker& asker = entry.second;
    const std::string file = trade::trader_file(name);
    if (!ctx.found(file, asker, "Trader file")) continue;
    ctx.need_picture(trade::portrait_file(name), asker);
    if (!seen.insert(core::fold_case(name)).second) continue;
    ctx.read_file(file);
    ctx.guard([&] {
      const trade::traderfile f = trade::read_trader_file(ctx.root, name);
      int line = trade::kFirstRateLine;
      fields(f.head, [&](const char* field, const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
          if (value < 0)
            ctx.problem(file, line,
                        std::string("Factor ") + field +
                            " below 0: the trader would take money for what he buys");
          line += 4;
        }
      });
      for (const trade::stockline& s : f.stock) ctx.need_item(s.item, {file, s.line});
    });
  }
}

}  // namespace check
