#include "game/trade/trader_file.h"

#include "core/data_reader.h"
#include "game/trade/data_paths.h"

namespace trade {

traderfile parse_trader_file(const std::string& file, const std::string& bytes) {
  core::DataReader in(file, bytes);
  traderfile f;
  f.file = file;
  trader& t = f.head;
  t.name = in.labelled();
  t.extra1 = in.labelled();
  t.extra2 = in.labelled();
  t.extra3 = in.labelled();
  t.extra4 = in.labelled();
  t.extra5 = in.labelled();
  t.gunnote = in.labelled();
  t.gunrate = in.labelled_decimal();
  t.armornote = in.labelled();
  t.armorrate = in.labelled_decimal();
  t.ammonote = in.labelled();
  t.ammorate = in.labelled_decimal();
  t.mediknote = in.labelled();
  t.medikrate = in.labelled_decimal();
  t.artefactnote = in.labelled();
  t.artefactrate = in.labelled_decimal();
  t.foodnote = in.labelled();
  t.foodrate = in.labelled_decimal();
  t.drinknote = in.labelled();
  t.drinkrate = in.labelled_decimal();
  in.skip();  // line 41: caption of the stock
  while (!in.eof()) {
    stockline s;
    s.item = in.line();
    s.line = in.line_number();
    s.minlevel = in.read_int();
    f.stock.push_back(std::move(s));
  }
  return f;
}

traderfile read_trader_file(const core::DataRoot& root, const std::string& trd) {
  const std::string file = trader_file(trd);
  return parse_trader_file(file, core::read_data_file(root, file));
}

void offer_stock(const traderfile& f, int32_t level, trader& into) {
  into.stockcount = 0;
  for (const stockline& s : f.stock) {
    if (into.stockcount >= kMaxStock) break;
    if (s.minlevel > level) continue;
    into.stockcount += 1;
    into.stock[static_cast<size_t>(into.stockcount)] = {s.item, s.minlevel, s.line};
  }
}

}  // namespace trade
