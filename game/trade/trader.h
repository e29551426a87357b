#pragma once
// The trader of the current location: the factors on the sale price by item
// kind, and the stock lines offered to the character at his level.
#include <array>
#include <cstdint>
#include <string>

// One line of a trader's stock.
struct tritems {
  std::string item;
  int32_t minlevel = 0;
  int line = 0;  // the item's line in the trader file, for error messages only
};

struct trader {
  std::string name;
  std::string extra1, extra2, extra3, extra4, extra5;
  std::string gunnote;
  double gunrate = 0;
  std::string armornote;
  double armorrate = 0;
  std::string ammonote;
  double ammorate = 0;
  std::string mediknote;
  double medikrate = 0;
  std::string artefactnote;
  double artefactrate = 0;
  std::string foodnote;
  double foodrate = 0;
  std::string drinknote;
  double drinkrate = 0;
  std::array<tritems, 51> stock{};  // lines 1..50; index 0 unused
  int32_t stockcount = 0;
};

// Every field of a record by its name, in the record's order, so that whoever
// prints or checks a record cannot leave a field out.
template <class F>
void fields(const tritems& t, F&& f) {
  f("item", t.item);
  f("minlevel", t.minlevel);
}

template <class F>
void fields(const trader& t, F&& f) {
  f("name", t.name);
  f("extra1", t.extra1);
  f("extra2", t.extra2);
  f("extra3", t.extra3);
  f("extra4", t.extra4);
  f("extra5", t.extra5);
  f("gunnote", t.gunnote);
  f("gunrate", t.gunrate);
  f("armornote", t.armornote);
  f("armorrate", t.armorrate);
  f("ammonote", t.ammonote);
  f("ammorate", t.ammorate);
  f("mediknote", t.mediknote);
  f("medikrate", t.medikrate);
  f("artefactnote", t.artefactnote);
  f("artefactrate", t.artefactrate);
  f("foodnote", t.foodnote);
  f("foodrate", t.foodrate);
  f("drinknote", t.drinknote);
  f("drinkrate", t.drinkrate);
  f("stockcount", t.stockcount);
}

// What the trade screen holds while it is open.
struct TradeState {
  trader curtrader;
  std::string tradeview;  // "view": the detail is closed; "hide": it is open
  std::string tradesel;   // "trader", or the inventory row on offer
};

// The trader with his stock is listed by whoever prints it (fields above).
template <class F>
void fields(const TradeState& t, F&& f) {
  f("tradesel", t.tradesel);
  f("tradeview", t.tradeview);
}

namespace trade {

inline constexpr int kMaxStock = 50;  // offered lines kept; later ones are not offered

// The trader's factor for an item kind; false for a kind without one.
bool factor(const trader& t, const std::string& kind, double& rate);

// The price a trader pays for an item worth `value` at integrity `state`:
// b = Round(state * value / 100), v = Round(b / 2 + b * intellect / 100),
// then Round(v * factor) when the trader has a factor for the kind (t may be
// null: no factor). Every step stays within the 32-bit range.
int32_t sale_price(int32_t value, int32_t state, int32_t intellect, const trader* t,
                   const std::string& kind);

}  // namespace trade
