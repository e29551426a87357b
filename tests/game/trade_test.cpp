// Traders, buying and selling: the stock by level, the sale price, the offer
// buttons, the detail view, and money that never leaves the 32-bit range.
#include <gtest/gtest.h>

#include "core/checked.h"
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"
#include "game/trade/trader.h"
#include "talk_fixture.h"

using talk_test::Lines;

namespace {

class Trade : public talk_test::TalkTest {
 protected:
  void SetUp() override {
    TalkTest::SetUp();
    LocFile square;
    square.trd = "барыга";
    write_loc("4", square);
    write_picture("Data\\Sprites\\Traders\\барыга.jpg");
    write_picture("Data\\Sprites\\Items\\thing.bmp");
    std::vector<catitem> items = {
        {"Нож", "", 1, 3, "gun", 0, 100, ""},
        {"Патроны", "", 30, 1, "ammo", 0, 120, ""},
        {"Гиря", "", 1, 50, "artefact", 0, 10, ""},
        {"Ремнабор", "", 1, 1, "toolkit_w", 0, 100, ""},
        {"Клад", "", 1, 1, "artefact", 0, 2000000000, ""},
    };
    for (catitem& i : items) {
      i.picture = "Data\\Sprites\\Items\\thing.bmp";
      i.description = "Вещь.";
    }
    write_file(catalogue::kItems, items_dat(items));
    game->hero.capacity = 40;
    game->hero.intellect = 10;
    game->hero.level = 2;
  }
  // The trade file: the gun factor, the artefact factor, then the stock.
  void write_trader(const std::string& gun, const std::string& artefact, const Lines& stock) {
    TraderFile f;
    f.name = "Барыга";
    f.rates[0] = gun;
    f.rates[4] = artefact;
    f.stock = stock;
    write_file("data\\levels\\Trade\\барыга.trd", f.lines());
  }
  void open(const Lines& stock = {"Нож", "1", "Гиря", "2", "Патроны", "3"}) {
    write_trader("0,5", "2.0", stock);
    enter("4");
    click("Image20");
  }
  std::string buttons() {
    std::string s;
    for (const char* b : {"Image29", "Image30", "Image31", "Image32"})
      s += ctl(b).enabled ? '1' : '0';
    return s;
  }
};

TEST(TradeSalePrice, HalfTheValuePlusTheIntelligenceBonusTimesTheFactor) {
  trader t;
  t.gunrate = 0.5;
  t.artefactrate = 1.5;
  struct Case {
    int32_t value, state, intellect;
    const char* kind;
    int32_t price;
  };
  const Case cases[] = {
      {100, 100, 10, "gun", 30},       // b 100, v Round(50 + 10) = 60, times 0.5
      {50, 100, 5, "toolkit_w", 28},   // Round(27.5): to the even 28, no factor
      {45, 100, 10, "toolkit_a", 27},  // Round(22.5 + 4.5)
      {100, 50, 0, "toolkit_w", 25},   // integrity 50 halves b
      {15, 100, 0, "gun", 4},          // Round(7.5) = 8, times 0.5
      {2000000000, 100, 200, "artefact", core::kInt32Max},  // stops at the limit
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " " + c.kind);
    EXPECT_EQ(trade::sale_price(c.value, c.state, c.intellect, &t, c.kind), c.price);
  }
}

TEST_F(Trade, OpensWithTheStockTheLevelAllowsAndFactorsWithCommaOrPoint) {
  open();
  EXPECT_EQ(rows("StringGrid1"), (Lines{"Нож", "Гиря"}));  // level 2: not the level-3 line
  EXPECT_EQ(game->trading.curtrader.gunrate, 0.5);
  EXPECT_EQ(game->trading.curtrader.artefactrate, 2.0);

  // More than 50 offered lines keep the first 50.
  Lines many;
  for (int i = 0; i < 60; ++i) many.insert(many.end(), {i % 2 ? "Нож" : "Гиря", "0"});
  click("Image38");
  open(many);
  EXPECT_EQ(game->trading.curtrader.stockcount, 50);
  EXPECT_EQ(rows("StringGrid1").size(), 50u);

  // An empty stock keeps one blank row, and a click on it does nothing.
  click("Image38");
  open({});
  EXPECT_EQ(rows("StringGrid1"), (Lines{""}));
  pick("StringGrid1", 0);
  EXPECT_EQ(ctl("Label28").caption, "");
  EXPECT_EQ(buttons(), "0000");
}

TEST_F(Trade, BuyingAtTheCataloguePrice) {
  open();
  game->hero.money = 99;
  pick("StringGrid1", 0);
  EXPECT_EQ(ctl("Label29").caption, "100");
  EXPECT_EQ(buttons(), "1101");
  click("Image30");  // not enough money
  EXPECT_EQ(ctl("Label5").caption, "Не хватает денег !");
  EXPECT_EQ(game->inventory.invnext, 1);

  game->hero.money = 100;  // exactly the price
  click("Image30");
  EXPECT_EQ(game->hero.money, 0);
  EXPECT_EQ(rows("PInventory"), (Lines{"Нож"}));
  EXPECT_EQ(ctl("Label5").caption, "Куплено");
  EXPECT_EQ(ctl("Label28").caption, "");
  EXPECT_EQ(buttons(), "0000");

  // Too heavy: the money and the offer stay.
  game->hero.money = 500;
  pick("StringGrid1", 1);
  click("Image30");
  EXPECT_EQ(ctl("Label5").caption, "Перегружен !");
  EXPECT_EQ(game->hero.money, 500);
  EXPECT_EQ(ctl("Label28").caption, "Гиря");
  EXPECT_EQ(buttons(), "1101");
}

TEST_F(Trade, SellingQuotesTheWholeSlotAndMoneyStopsAtItsLimit) {
  open();
  game->addtoinv("Патроны", 100);
  game->addtoinv("Патроны", 100);
  game->inventory.invslots[1].count = 45;  // 45 cartridges in packs of 30: worth 180
  game->addtoinv("Клад", 100);
  game->showinv();
  game->hero.money = 10;
  pick("PInventory", 0);
  EXPECT_EQ(game->trading.tradesel, "0");
  EXPECT_EQ(ctl("Label28").caption, "Патроны");
  EXPECT_EQ(ctl("Label29").caption, "108");  // Round(90 + 18) at factor 1
  EXPECT_EQ(buttons(), "1011");
  click("Image31");
  EXPECT_EQ(game->hero.money, 118);
  EXPECT_EQ(rows("PInventory"), (Lines{"Клад"}));
  EXPECT_EQ(game->inventory.invload, 1);
  EXPECT_EQ(ctl("Label5").caption, "Продано");

  game->hero.money = core::kInt32Max - 5;
  pick("PInventory", 0);
  click("Image31");
  EXPECT_EQ(game->hero.money, core::kInt32Max);
}

TEST_F(Trade, SellingChecksFirstSoAFailedCatalogueReadPaysNothing) {
  open();
  game->addtoinv("Патроны", 100);
  game->showinv();
  game->hero.money = 10;
  pick("PInventory", 0);
  // The catalogue loses the cartridges: the slot's load can no longer be read.
  std::vector<std::string> items = read_lines("Data\\Objects\\items.dat");
  items[17] = "Гильзы";  // the name line of the second record
  write_file("Data\\Objects\\items.dat", items);
  for (int i = 0; i < 3; ++i) click("Image31");
  EXPECT_EQ(errors.size(), 3u);
  EXPECT_EQ(game->hero.money, 10);
  EXPECT_EQ(rows("PInventory"), (Lines{"Патроны"}));
}

TEST_F(Trade, TheDetailViewTogglesAndOnlyItsButtonWorksMeanwhile) {
  open();
  pick("StringGrid1", 1);
  click("Image29");
  ASSERT_TRUE(errors.empty()) << errors.front();
  EXPECT_EQ(game->trading.tradeview, "hide");
  EXPECT_TRUE(game->shown(form::Screen::viewer));
  EXPECT_EQ(ctl("PShow").top, 57);
  EXPECT_FALSE(ctl("Image37").visible);
  EXPECT_EQ(ctl("Memo1").lines.front(), "Предмет: Гиря");
  EXPECT_EQ(buttons(), "1000");
  EXPECT_FALSE(ctl("StringGrid1").enabled);
  EXPECT_FALSE(ctl("PInventory").enabled);
  EXPECT_FALSE(ctl("Image38").visible);
  click("Image29");
  EXPECT_EQ(game->trading.tradeview, "view");
  EXPECT_FALSE(game->shown(form::Screen::viewer));
  EXPECT_EQ(buttons(), "1101");
  EXPECT_TRUE(ctl("Image38").visible);

  // An inventory line: the sell button comes back; ammunition shows its count.
  game->addtoinv("Патроны", 100);
  game->showinv();
  pick("PInventory", 0);
  click("Image29");
  EXPECT_NE(std::find(ctl("Memo1").lines.begin(), ctl("Memo1").lines.end(), "Количество: 30"),
            ctl("Memo1").lines.end());
  click("Image29");
  EXPECT_EQ(buttons(), "1011");
  click("Image32");
  EXPECT_EQ(buttons(), "0000");
  EXPECT_FALSE(ctl("Label8").visible);
}

}  // namespace
