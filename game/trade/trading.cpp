// Buying and selling on the trade screen: the offer of a stock line or an
// inventory line, the detail view, buy, sell, cancel and leave.
//
// The offer lives in the captions of Label28 (item) and Label29 (price), in
// `trading.tradesel` ("trader" or the inventory row) and in the button states.
#include "core/checked.h"
#include "core/convert.h"
#include "core/data_error.h"
#include "core/rounding.h"
#include "game/form/sprites.h"
#include "game/game.h"
#include "game/items/catalogue.h"
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"
#include "game/trade/data_paths.h"
#include "game/trade/trader.h"
#include "game/world/location.h"

namespace {

void set_buttons(Game& g, bool view, bool buy, bool sell, bool cancel) {
  g.form["Image29"].enabled = view;
  g.form["Image30"].enabled = buy;
  g.form["Image31"].enabled = sell;
  g.form["Image32"].enabled = cancel;
}

void show_offer(Game& g, const std::string& item, int32_t price, bool buying) {
  g.form["Label28"].caption = item;
  g.form["Label29"].caption = core::str(price);
  g.form["Label8"].visible = true;
  set_buttons(g, true, buying, !buying, true);
}

void clear_offer(Game& g) {
  g.form["Label8"].visible = false;
  g.form["Label28"].caption.clear();
  g.form["Label29"].caption.clear();
  set_buttons(g, false, false, false, false);
}

// The quoted price read back from its label (0 when there is none).
int32_t quoted(const Game& g) {
  return core::parse_int(g.form["Label29"].caption).value_or(0);
}

}  // namespace

int32_t trade::sale_price(int32_t value, int32_t state, int32_t intellect, const trader* t,
                          const std::string& kind) {
  // b: the value at the item's integrity; v: half of it plus the intelligence
  // bonus; then the trader's factor for the kind. Extended precision, halves
  // to even, every step kept within the 32-bit range.
  const int64_t b = core::clamp32(core::Round(static_cast<long double>(state) * value / 100));
  int64_t v = core::clamp32(core::Round(b / 2.0L + static_cast<long double>(b * intellect) / 100));
  double rate = 1;
  if (t != nullptr && trade::factor(*t, kind, rate))
    v = core::clamp32(core::Round(v * static_cast<long double>(rate)));
  return static_cast<int32_t>(v);
}

void Game::StringGrid1Click() {
  const int row = form["StringGrid1"].row;
  if (row < 0 || row >= trading.curtrader.stockcount) return;  // the blank row of an empty stock
  trading.tradesel = "trader";
  wantbuy(row);
}

void Game::wantbuy(int row) {
  if (row < 0 || row >= trading.curtrader.stockcount) return;
  const tritems& line = trading.curtrader.stock[static_cast<size_t>(row + 1)];
  // Bought at the catalogue price, whoever sells it. An unknown item names
  // the trader file's line.
  const catitem item =
      catalogue::find_item(root, line.item, {trade::trader_file(loc.trd), line.line});
  show_offer(*this, line.item, item.price, true);
}

void Game::wantsell(int row) {
  trading.tradesel = core::str(row);
  const int s = row + 1;
  if (s < 1 || s >= inventory.invnext) return;
  const invitem& slot = inventory.invslots[static_cast<size_t>(s)];
  const catitem item = catalogue::find_item(root, slot.name);
  // An ammunition slot is sold whole, so it is valued on the cartridges it
  // holds, not on one pack.
  int32_t value = item.price;
  if (slot.kind == "ammo") {
    if (item.quantity < 1)
      throw core::DataError("Item '" + item.name + "' has a quantity below 1", catalogue::kItems);
    value = core::clamp32(
        core::Round(static_cast<long double>(slot.count) * item.price / item.quantity));
  }
  show_offer(*this, slot.name,
             trade::sale_price(value, slot.state, hero.intellect, &trading.curtrader, slot.kind),
             false);
}

void Game::Image30Click() {
  press("Image30", form::button_sprite("buy_p.bmp"), form::button_sprite("buy_n.bmp"));
  const int32_t price = quoted(*this);
  if (hero.money < price) {
    outmsg("Не хватает денег !", form::colors::red, 3);
    return;
  }
  // Too heavy: addtoinv has said so, and the money and the offer stay.
  if (addtoinv(form["Label28"].caption, 100) == 0) return;
  hero.money = core::sat_sub(hero.money, price);
  showinv();
  showroamkin();
  clear_offer(*this);
  outmsg("Куплено", form::colors::white, 2);
}

void Game::Image31Click() {
  press("Image31", form::button_sprite("sell_p.bmp"), form::button_sprite("sell_n.bmp"));
  const int slot = form["PInventory"].row + 1;
  if (slot < 1 || slot >= inventory.invnext) return;
  // What can fail (the catalogue read for an ammunition slot's load) comes
  // first; then the slot goes and the money comes, neither of which can fail.
  const int64_t load = slotload(slot);
  remove_slot(slot, load);  // the whole slot, whatever its count
  hero.money = core::sat_add(hero.money, quoted(*this));
  showinv();
  showroamkin();
  clear_offer(*this);
  outmsg("Продано", form::colors::white, 2);
}

void Game::Image32Click() {
  press("Image32", form::button_sprite("cancel_p.bmp"), form::button_sprite("cancel_n.bmp"));
  clear_offer(*this);
}

void Game::Image29Click() {
  const bool buying = trading.tradesel == "trader";
  if (trading.tradeview == "view") {
    load_picture("Image29", form::button_sprite("view_p.bmp"));
    const std::string name = form["Label28"].caption;
    int count = 1;
    if (buying) {
      const catitem item = catalogue::find_item(root, name);
      if (item.kind == "ammo") count = item.quantity;
    } else {
      const int s = core::parse_int(trading.tradesel).value_or(-1) + 1;
      if (s < 1 || s >= inventory.invnext) return;
      const invitem& slot = inventory.invslots[static_cast<size_t>(s)];
      if (slot.kind == "ammo") count = slot.count;
    }
    showitem(name, count, 100);
    show(form::Screen::trade_view);  // above the trade panels, over the place picture
    form["Image37"].visible = false;
    form["StringGrid1"].enabled = false;
    form["PInventory"].enabled = false;
    set_buttons(*this, true, false, false, false);
    form["Image38"].visible = false;
    trading.tradeview = "hide";
  } else {
    load_picture("Image29", form::button_sprite("view_n.bmp"));
    park(form::Screen::viewer);
    form["StringGrid1"].enabled = true;
    form["PInventory"].enabled = true;
    set_buttons(*this, true, buying, !buying, true);
    form["Image38"].visible = true;
    trading.tradeview = "view";
  }
}

void Game::Image38Click() {
  press("Image38", form::button_sprite("leave_p.bmp"), form::button_sprite("leave_n.bmp"));
  form["tlk"].enabled = true;
  for (const char* button : {"Image26", "Image25", "Image24"}) form[button].visible = true;
  set_invmode("view");
  load_picture("Image24", form::button_sprite("view_p.bmp"));
  load_picture("Image25", form::button_sprite("use_n.bmp"));
  load_picture("Image26", form::button_sprite("throw_n.bmp"));
  show(form::Screen::location);
  park(form::Screen::trader);
  park(form::Screen::trading);
}
