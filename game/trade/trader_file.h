#pragma once
// A trader file ("data\levels\Trade\NAME.trd"): a label line before each of 20
// values (six texts, then seven pairs of a note and a decimal factor on the
// sale price for guns, armour, ammunition, medicine, artefacts, food and
// drink), a caption on line 41, then stock pairs to the end of the file: an
// item name of the catalogue and the lowest level (integer) it is offered at.
#include <string>
#include <vector>

#include "core/paths.h"
#include "game/trade/trader.h"

namespace trade {

inline constexpr int kFirstRateLine = 16;  // the gun factor; every 4th line after it
inline constexpr int kFirstStockLine = 42;

struct stockline {
  std::string item;
  int32_t minlevel = 0;
  int line = 0;  // the item's line
};

struct traderfile {
  std::string file;
  trader head;  // everything but the stock (stockcount 0)
  std::vector<stockline> stock;
};

// DataError for a missing file, a factor or level that does not convert.
traderfile read_trader_file(const core::DataRoot& root, const std::string& trd);
traderfile parse_trader_file(const std::string& file, const std::string& bytes);

// The stock a character of `level` is offered: the lines within the level,
// no more than kMaxStock.
void offer_stock(const traderfile& f, int32_t level, trader& into);

}  // namespace trade
