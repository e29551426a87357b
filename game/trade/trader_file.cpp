#include "game/trade/trader_file.h"

#include "core/data_reader.h"
#include "game/trade/data_paths.h"

namespace trade {

namespace {

// Reads the caption line of a pair and returns the value line after it.
std::string value(core::DataReader& in) {
  in.skip();
  return in.line();
}

double rate(core::DataReader& in) {
  in.skip();
  return in.read_decimal();
}

}  // namespace

traderfile parse_trader_file(const std::string& file, const std::string& bytes) {
  core::DataReader in(file, bytes);
  traderfile f;
  f.file = file;
  trader& t = f.head;
  t.name = value(in);
  t.extra1 = value(in);
  t.extra2 = value(in);
  t.extra3 = value(in);
  t.extra4 = value(in);
  t.extra5 = value(in);
  t.gunnote = value(in);
  t.gunrate = rate(in);
  t.armornote = value(in);
  t.armorrate = rate(in);
  t.ammonote = value(in);
  t.ammorate = rate(in);
  t.mediknote = value(in);
  t.medikrate = rate(in);
  t.artefactnote = value(in);
  t.artefactrate = rate(in);
  t.foodnote = value(in);
  t.foodrate = rate(in);
  t.drinknote = value(in);
  t.drinkrate = rate(in);
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
