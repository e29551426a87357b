// Traders: reading the trade file of the current location, the trader panel
// with portrait and stock, and opening the trade screen.
#include "game/trade/trader.h"

#include "game/form/sprites.h"
#include "game/game.h"
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"
#include "game/trade/data_paths.h"
#include "game/trade/trader_file.h"
#include "game/world/location.h"
#include "game/world/location_file.h"

namespace {

constexpr const char* kButtons = form::kButtonFolder;

}  // namespace

bool trade::factor(const trader& t, const std::string& kind, double& rate) {
  const std::pair<const char*, double> rates[] = {
      {"gun", t.gunrate},           {"armor", t.armorrate}, {"ammo", t.ammorate},
      {"medik", t.medikrate},       {"food", t.foodrate},   {"drink", t.drinkrate},
      {"artefact", t.artefactrate},
  };
  for (const auto& [name, r] : rates) {
    if (kind == name) {
      rate = r;
      return true;
    }
  }
  return false;
}

void Game::loadtrader() {
  const trade::traderfile f = trade::read_trader_file(root, loc.trd);
  trading.curtrader = f.head;
  trade::offer_stock(f, hero.level, trading.curtrader);
}

void Game::showtrader() {
  for (const char* button : {"Image29", "Image30", "Image31", "Image32"})
    form[button].enabled = false;
  form["Label8"].visible = false;
  form["Label28"].caption.clear();
  form["Label29"].caption.clear();
  form["Label27"].caption = trading.curtrader.name;
  load_picture("Image7", trade::portrait_file(loc.trd), {loc.file, world::kTrdLine});
  form::Control& list = form["StringGrid1"];
  list.set_row_count(1);
  list.rows[0].clear();
  list.set_row_count(trading.curtrader.stockcount);  // no stock keeps one blank row
  for (int i = 1; i <= trading.curtrader.stockcount; ++i)
    list.rows[static_cast<size_t>(i - 1)] = trading.curtrader.stock[static_cast<size_t>(i)].item;
  list.row = 0;
}

void Game::Image20Click() {
  press("Image20", std::string(kButtons) + "trade_p.bmp", std::string(kButtons) + "trade_n.bmp");
  // The trader is read and drawn before the screen changes, so a broken trade
  // file or portrait leaves the location on screen.
  loadtrader();
  showtrader();
  form["tlk"].enabled = false;
  for (const char* button : {"Image26", "Image25", "Image24"}) form[button].visible = false;
  park(form::Screen::location);
  show(form::Screen::trader);
  show(form::Screen::trading);
  set_invmode("trade");
  trading.tradeview = "view";
}
