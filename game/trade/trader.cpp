// Traders: reading the trade file of the current location, the trader panel
// with portrait and stock, and opening the trade screen.
#include "game/trade/trader.h"

#include "core/data_reader.h"
#include "game/game.h"

namespace {

constexpr const char* kTrade = "data\\levels\\Trade\\";
constexpr const char* kPortraits = "Data\\Sprites\\Traders\\";
constexpr const char* kButtons = "Data\\Sprites\\Buttons\\";

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
  core::DataReader in(root, kTrade + loc.trd + ".trd");
  trader& t = trading.curtrader;
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

  // Stock pairs to the end of the file; the lines above the character's level
  // are not offered, and no more than 50 are kept.
  t.stockcount = 0;
  while (!in.eof() && t.stockcount < trade::kMaxStock) {
    std::string item = in.line();
    const int32_t minlevel = in.read_int();
    if (minlevel > hero.level) continue;
    t.stockcount += 1;
    t.stock[static_cast<size_t>(t.stockcount)] = {std::move(item), minlevel};
  }
}

void Game::showtrader() {
  for (const char* button : {"Image29", "Image30", "Image31", "Image32"})
    form[button].enabled = false;
  form["Label8"].visible = false;
  form["Label28"].caption.clear();
  form["Label29"].caption.clear();
  form["Label27"].caption = trading.curtrader.name;
  load_picture("Image7", kPortraits + loc.trd + ".jpg");
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
  inventory.invmode = "trade";
  trading.tradeview = "view";
}
