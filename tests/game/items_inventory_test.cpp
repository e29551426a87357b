// The inventory: adding, stacking, the load limit, removal, the list, the
// start file and the click modes.
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"
#include "game/trade/trader.h"
#include "items_fixture.h"

using Lines = std::vector<std::string>;

class InventoryTest : public ItemsTest {};

TEST_F(InventoryTest, AmmunitionPacksStackAndAThirdOverloadingPackChangesNothing) {
  game->hero.capacity = 2;
  carry({"Патроны 5.45", "Патроны 5.45"});
  EXPECT_EQ(game->inventory.invnext, 2);
  EXPECT_EQ(game->inventory.invslots[1].count, 60);
  EXPECT_EQ(game->inventory.invload, 2);
  EXPECT_EQ(game->addtoinv("Патроны 5.45", 100), 0);
  EXPECT_EQ(game->inventory.invslots[1].count, 60);
  EXPECT_EQ(game->inventory.invload, 2);
  EXPECT_EQ(game->inventory.invnext, 2);
  EXPECT_EQ(message(), "Перегружен !");
  EXPECT_EQ(ctl("Label5").font.color, form::colors::red);
  EXPECT_TRUE(message_shown());
  advance(2000);
  EXPECT_FALSE(message_shown());
}

TEST_F(InventoryTest, SlotsCopyTheCatalogueAndKeepTheirOwnIntegrity) {
  carry({"Обрез"}, 70);
  carry({"Обрез"}, 40);
  ASSERT_EQ(game->inventory.invnext, 3);
  EXPECT_EQ(game->inventory.invslots[1].state, 70);
  EXPECT_EQ(game->inventory.invslots[2].state, 40);
  const invitem& s = game->inventory.invslots[1];
  EXPECT_EQ(s.picture, "Data\\Pictures\\obrez.bmp");
  EXPECT_EQ(s.count, 1);
  EXPECT_EQ(s.weight, 3);
  EXPECT_EQ(s.kind, "gun");
  EXPECT_EQ(s.ref, 2);
  EXPECT_EQ(s.price, 500);
  EXPECT_EQ(s.description, "Старое ружье");
  EXPECT_EQ(game->inventory.invload, 6);
}

TEST_F(InventoryTest, ALoadEqualToTheCapacityIsAllowedOneMoreIsNot) {
  game->hero.capacity = 8;
  carry({"Куртка", "Обрез"});
  EXPECT_EQ(game->inventory.invload, 8);
  EXPECT_FALSE(message_shown());
  EXPECT_EQ(game->addtoinv("Вода", 100), 0);
  EXPECT_EQ(slot_names(), (Lines{"Куртка", "Обрез"}));
  EXPECT_EQ(game->inventory.invload, 8);
  EXPECT_EQ(message(), "Перегружен !");
}

TEST_F(InventoryTest, AHundredSlotsAreTheLimitButAmmunitionStillStacks) {
  game->hero.capacity = 1000;
  carry({"Патроны 5.45"});
  for (int i = 0; i < 99; ++i) carry({"Кристалл"});
  ASSERT_EQ(game->inventory.invnext, 101);
  EXPECT_EQ(game->inventory.invload, 100);
  EXPECT_EQ(game->addtoinv("Кристалл", 100), 0);
  EXPECT_EQ(message(), "Перегружен !");
  EXPECT_EQ(ctl("Label5").font.color, form::colors::red);
  EXPECT_EQ(game->inventory.invnext, 101);
  EXPECT_EQ(game->inventory.invload, 100);
  // A pack joins the slot it already has.
  EXPECT_EQ(game->addtoinv("Патроны 5.45", 100), 1);
  EXPECT_EQ(game->inventory.invslots[1].count, 60);
  EXPECT_EQ(game->inventory.invnext, 101);
  EXPECT_EQ(game->inventory.invload, 101);
}

TEST_F(InventoryTest, RemovingClosesTheGapAndLowersTheLoad) {
  carry({"Обрез", "Куртка", "Вода", "Кристалл"});
  game->removefrominv(2);
  EXPECT_EQ(slot_names(), (Lines{"Обрез", "Вода", "Кристалл"}));
  EXPECT_EQ(game->inventory.invnext, 4);
  EXPECT_EQ(game->inventory.invload, 5);
  game->removefrominv(3);
  game->removefrominv(1);
  game->removefrominv(1);
  EXPECT_EQ(game->inventory.invnext, 1);
  EXPECT_EQ(game->inventory.invload, 0);
  game->showinv();
  EXPECT_EQ(ctl("PInventory").rows, Lines{""});
  // A slot that is not in use is left alone.
  game->removefrominv(1);
  EXPECT_EQ(game->inventory.invnext, 1);
}

TEST_F(InventoryTest, RemovingAmmunitionTakesOffWholePacksOnly) {
  game->hero.capacity = 10;
  carry({"Патроны 5.45", "Патроны 5.45"});
  game->inventory.invslots[1].count = 45;  // spent in a fight: the load stays
  game->removefrominv(1);
  EXPECT_EQ(game->inventory.invload, 0);
  carry({"Патроны 5.45", "Патроны 5.45"});
  game->inventory.invslots[1].count = 15;
  game->removefrominv(1);
  EXPECT_EQ(game->inventory.invload, 2);
}

TEST_F(InventoryTest, TheListShowsNamesOnlyAndTheLoadLine) {
  game->hero.capacity = 35;
  carry({"Патроны 5.45", "Патроны 5.45", "Обрез"}, 50);
  game->showinv();
  EXPECT_EQ(ctl("PInventory").rows, (Lines{"Патроны 5.45", "Обрез"}));
  EXPECT_EQ(ctl("Label22").caption, "Вес:  5/35");
}

TEST_F(InventoryTest, TheStartFileFillsTheInventoryInOrderSkippingWhatOverloads) {
  carry({"Кристалл", "Кристалл"});
  game->hero.capacity = 6;
  write_file("Data\\Config\\inventory.cfg", {"Обрез", "Куртка", "Консервы", "Патроны 5.45"});
  game->setinv();
  EXPECT_EQ(slot_names(), (Lines{"Обрез", "Консервы", "Патроны 5.45"}));
  EXPECT_EQ(game->inventory.invload, 5);
  EXPECT_EQ(game->inventory.invslots[1].state, 100);
  EXPECT_EQ(message(), "Перегружен !");
}

TEST_F(InventoryTest, AnUnknownStartItemStopsTheFillKeepingWhatCameBefore) {
  write_file("Data\\Config\\inventory.cfg", {"Обрез", "Бластер", "Куртка"});
  game->handle([&] { game->setinv(); });
  ASSERT_EQ(errors.size(), 1u);
  // The message names the start file's line that asked for the item.
  EXPECT_EQ(errors[0],
            "Item 'Бластер' not found in Data\\Objects\\items.dat (Data\\Config\\inventory.cfg, "
            "line 2)");
  EXPECT_EQ(slot_names(), Lines{"Обрез"});
}

// ---- clicks on the list and the mode buttons ----

class InventoryClickTest : public ItemsTest {
 protected:
  void SetUp() override {
    ItemsTest::SetUp();
    for (const char* s : {"view_p", "view_n", "use_p", "use_n", "throw_p", "throw_n"})
      write_picture(std::string("Data\\Sprites\\Buttons\\") + s + ".bmp", 81, 26);
    write_picture("Data\\Pictures\\ammo.bmp", 20, 10);
    carry({"Кристалл", "Патроны 5.45", "Патроны 5.45"});
    game->showinv();
  }
};

TEST_F(InventoryClickTest, ViewModeShowsTheSlotAndOpensTheViewer) {
  game->inventory.invmode = "view";
  game->inventory.invslots[2].count = 45;
  pick("PInventory", 1);
  EXPECT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(ctl("Memo1").lines[0], "Предмет: Патроны 5.45");
  EXPECT_EQ(ctl("Memo1").lines[1], "Вес: 2");
  EXPECT_EQ(ctl("Memo1").lines[3], "Количество: 45");
  EXPECT_EQ(ctl("Image3").picture_file, "Data\\Pictures\\ammo.bmp");
  EXPECT_EQ(ctl("Location").left, 1920);
  EXPECT_EQ(ctl("PShow").top, 273);
  EXPECT_EQ(ctl("PShow").left, 186);
  EXPECT_TRUE(ctl("Image37").visible);
}

TEST_F(InventoryClickTest, UseModeOnAnItemWithoutUseOnlySpendsReadiness) {
  game->inventory.invmode = "use";
  game->hero.ready = 40;
  pick("PInventory", 0);  // the artefact
  pick("PInventory", 1);  // the ammunition
  EXPECT_EQ(game->hero.ready, 0);
  EXPECT_EQ(slot_names(), (Lines{"Кристалл", "Патроны 5.45"}));
  EXPECT_EQ(game->inventory.invslots[2].count, 60);
  EXPECT_EQ(game->inventory.invload, 3);
  EXPECT_FALSE(message_shown());
  EXPECT_EQ(ctl("Location").left, 192);  // no viewer
}

TEST_F(InventoryClickTest, TheEmptyRowOfAnEmptyInventoryDoesNothing) {
  game->removefrominv(1);
  game->removefrominv(1);
  game->showinv();
  for (const char* mode : {"view", "use", "drop", "trade"}) {
    game->inventory.invmode = mode;
    game->hero.ready = 40;
    pick("PInventory", 0);
    EXPECT_EQ(game->hero.ready, 40) << mode;
  }
  EXPECT_TRUE(game->trading.tradesel.empty());
  EXPECT_EQ(ctl("PShow").left, 1890);
  EXPECT_TRUE(errors.empty());
}

TEST_F(InventoryClickTest, TradeModeMarksTheRowForSale) {
  game->inventory.invmode = "trade";
  pick("PInventory", 1);
  EXPECT_EQ(game->trading.tradesel, "1");
  EXPECT_EQ(game->inventory.invnext, 3);
}

TEST_F(InventoryClickTest, ModeButtonsMarkTheChosenModeWithTheirSprites) {
  const std::string dir = "Data\\Sprites\\Buttons\\";
  auto sprites = [&] {
    return Lines{ctl("Image24").picture_file, ctl("Image25").picture_file,
                 ctl("Image26").picture_file};
  };
  click("Image25");
  EXPECT_EQ(game->inventory.invmode, "use");
  EXPECT_EQ(sprites(), (Lines{dir + "view_n.bmp", dir + "use_p.bmp", dir + "throw_n.bmp"}));
  click("Image26");
  EXPECT_EQ(game->inventory.invmode, "drop");
  EXPECT_EQ(sprites(), (Lines{dir + "view_n.bmp", dir + "use_n.bmp", dir + "throw_p.bmp"}));
  click("Image24");
  EXPECT_EQ(game->inventory.invmode, "view");
  EXPECT_EQ(sprites(), (Lines{dir + "view_p.bmp", dir + "use_n.bmp", dir + "throw_n.bmp"}));
  EXPECT_FALSE(ctl("Image24").picture.isNull());
  EXPECT_TRUE(errors.empty());
}

TEST_F(InventoryClickTest, AMissingSpriteIsAnErrorAndTheModeStays) {
  game->inventory.invmode = "view";
  std::filesystem::remove(dir / "Data" / "Sprites" / "Buttons" / "throw_p.bmp");
  click("Image26");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "File not found (Data\\Sprites\\Buttons\\throw_p.bmp)");
  EXPECT_EQ(game->inventory.invmode, "view");
}
