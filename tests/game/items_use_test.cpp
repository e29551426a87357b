// Using items and equipping weapons and armour.
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"
#include "items_fixture.h"

using Lines = std::vector<std::string>;

class UseTest : public ItemsTest {
 protected:
  void use(int slot) {
    game->inventory.invmode = "use";
    pick("PInventory", slot - 1);
  }
  void show() { game->showinv(); }
};

TEST_F(UseTest, MedicineHealsUpToTheMaximumAndLowersRadiationAndFatigue) {
  game->hero.health = 45;
  game->hero.radiation = 30;
  game->hero.fatigue = 20;
  carry({"Кристалл", "Аптечка"});
  show();
  use(2);
  EXPECT_EQ(game->hero.health, 50);
  EXPECT_DOUBLE_EQ(game->hero.radiation, 5);
  EXPECT_DOUBLE_EQ(game->hero.fatigue, 5);
  EXPECT_EQ(slot_names(), Lines{"Кристалл"});
  EXPECT_EQ(ctl("PInventory").rows, Lines{"Кристалл"});
  EXPECT_EQ(game->inventory.invload, 1);
  EXPECT_EQ(message(), "Полечился");
  EXPECT_EQ(ctl("Label5").font.color, form::colors::white);
  EXPECT_EQ(ctl("Label3").caption, "Здоровье:  50/50");
}

TEST_F(UseTest, FoodAndDrinkLowerTheirNeedNotBelowZero) {
  game->hero.health = 10;
  game->hero.hunger = 5;
  game->hero.thirst = 12.5;
  game->hero.fatigue = 12.5;
  carry({"Консервы", "Вода"});
  show();
  use(1);
  EXPECT_DOUBLE_EQ(game->hero.hunger, 0);
  EXPECT_DOUBLE_EQ(game->hero.fatigue, 2.5);
  EXPECT_EQ(game->hero.health, 15);
  EXPECT_EQ(message(), "Перекусил");
  use(1);
  EXPECT_DOUBLE_EQ(game->hero.thirst, 0);
  EXPECT_DOUBLE_EQ(game->hero.fatigue, 0);
  EXPECT_EQ(game->hero.health, 17);
  EXPECT_EQ(message(), "Утолил жажду");
  EXPECT_EQ(game->inventory.invnext, 1);
}

TEST_F(UseTest, AConsumableWithABrokenRecordIsNotUsedUp) {
  write_file("Data\\Objects\\food.dat", consumable_lines({9, 5, 10, 30}));
  carry({"Консервы"});
  show();
  use(1);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Record 1 not found (Data\\Objects\\food.dat)");
  EXPECT_EQ(slot_names(), Lines{"Консервы"});
}

TEST_F(UseTest, RepairKitsRaiseIntegrityToAtMostAHundred) {
  carry({"АК-74"}, 85);
  carry({"Куртка"}, 60);
  carry({"Ремнабор", "Ремкомплект"});
  show();
  use(1);  // the rifle in hand
  use(1);  // the jacket worn
  ASSERT_EQ(slot_names(), (Lines{"Ремнабор", "Ремкомплект"}));
  use(1);
  EXPECT_EQ(game->hero.gunstate, 100);
  EXPECT_EQ(message(), "Отремонтировал");
  EXPECT_EQ(slot_names(), Lines{"Ремкомплект"});
  EXPECT_EQ(ctl("PInventory").rows, Lines{"Ремкомплект"});
  use(1);
  EXPECT_EQ(game->hero.armstate, 90);
  EXPECT_EQ(game->inventory.invnext, 1);
  EXPECT_EQ(game->inventory.invload, 0);
}

TEST_F(UseTest, RepairKitsWithNothingToRepairAreKept) {
  carry({"Ремнабор", "Ремкомплект"});
  show();
  game->hero.ready = 30;
  use(1);
  EXPECT_EQ(message(), "Нет оружия в руках !");
  EXPECT_EQ(ctl("Label5").font.color, form::colors::red);
  EXPECT_EQ(game->hero.ready, 0);
  use(2);
  EXPECT_EQ(message(), "Нет защиты !");
  EXPECT_EQ(slot_names(), (Lines{"Ремнабор", "Ремкомплект"}));
  EXPECT_EQ(game->hero.gunstate, 100);
  EXPECT_EQ(game->hero.armstate, 100);
  advance(2000);
  EXPECT_FALSE(message_shown());
}

// ---- equipping ----

TEST_F(UseTest, EquippingASecondWeaponSendsTheFirstToTheEndWithItsIntegrity) {
  ctl("Label6").caption = "Перекресток";
  carry({"Обрез"}, 70);
  carry({"Кристалл"});
  carry({"АК-74"}, 90);
  carry({"Вода"});
  show();
  use(1);
  EXPECT_EQ(game->hero.gunname, "Обрез");
  EXPECT_EQ(game->hero.gunstate, 70);
  EXPECT_EQ(ctl("Label19").caption, "Оружие:  Обрез");  // refreshed by the status panel
  EXPECT_EQ(message(), "Вооружился");
  use(2);  // the rifle, now in slot 2
  EXPECT_EQ(slot_names(), (Lines{"Кристалл", "Вода", "Обрез"}));
  EXPECT_EQ(game->inventory.invslots[3].state, 70);
  EXPECT_EQ(game->inventory.invload, 5);
  const rmkin& h = game->hero;
  EXPECT_EQ(h.gunname, "АК-74");
  EXPECT_EQ(h.gunstate, 90);  // the slot's integrity, not the file's 40
  EXPECT_EQ(h.gunammo, "Патроны 5.45");
  EXPECT_EQ(h.gunsingle, 1);
  EXPECT_EQ(h.gunburst, 3);
  EXPECT_EQ(h.gunmindmg, 8);
  EXPECT_EQ(h.gunmaxdmg, 12);
  EXPECT_EQ(h.gunwearmin, 2);
  EXPECT_EQ(h.gunwearmax, 4);
  EXPECT_EQ(h.guntext1, "t1");
  EXPECT_EQ(h.guntext4, "t4");
  EXPECT_EQ(ctl("PInventory").rows, (Lines{"Кристалл", "Вода", "Обрез"}));
  EXPECT_EQ(ctl("Label6").caption, "Перекресток");
}

TEST_F(UseTest, SetgunWritesTheWeaponLineWithOneBlank) {
  carry({"Обрез"}, 70);
  EXPECT_TRUE(game->setgun("Обрез", 1, 70));
  EXPECT_EQ(ctl("Label19").caption, "Оружие: Обрез");
  EXPECT_TRUE(game->setarmor("Рубашка и джинсы", 0, 100));
  EXPECT_EQ(ctl("Label20").caption, "Защита: Рубашка и джинсы");
}

TEST_F(UseTest, EquippingArmourSwapsTheSameWay) {
  carry({"Куртка"}, 55);
  carry({"Кристалл"});
  show();
  use(1);
  const rmkin& h = game->hero;
  EXPECT_EQ(h.armname, "Куртка");
  EXPECT_EQ(h.armprotect, 4);
  EXPECT_EQ(h.armradres, 10);
  EXPECT_EQ(h.armstate, 55);
  EXPECT_EQ(h.armwearmin, 1);
  EXPECT_EQ(h.armwearmax, 2);
  EXPECT_EQ(h.armtext, "кожа");
  EXPECT_EQ(message(), "Укрепился");
  EXPECT_EQ(slot_names(), Lines{"Кристалл"});
  // Shirt and jeans never go into the inventory.
  EXPECT_EQ(game->inventory.invload, 1);
}

TEST_F(UseTest, ASwapThatWouldOverloadIsRefusedAndChangesNothing) {
  game->hero.capacity = 10;
  carry({"АК-74"}, 90);
  show();
  use(1);
  // Full to the capacity; the shotgun (3) out, the rifle (4) back would be 11.
  carry({"Куртка"}, 50);
  carry({"Обрез"}, 70);
  carry({"Вода", "Вода"});
  show();
  ctl("Label5").visible = false;
  use(2);
  EXPECT_EQ(message(), "Перегружен !");
  EXPECT_EQ(ctl("Label5").font.color, form::colors::red);
  EXPECT_EQ(slot_names(), (Lines{"Куртка", "Обрез", "Вода", "Вода"}));
  EXPECT_EQ(game->inventory.invload, 10);
  EXPECT_EQ(game->hero.gunname, "АК-74");
  EXPECT_EQ(game->hero.gunstate, 90);
  EXPECT_EQ(game->hero.gunburst, 3);
  EXPECT_EQ(ctl("Label19").caption, "Оружие:  АК-74");
}

TEST_F(UseTest, TakingOffIsRefusedWhenTheInventoryHasNoRoom) {
  game->hero.capacity = 10;
  carry({"АК-74"}, 90);
  carry({"Куртка"}, 60);
  show();
  use(1);
  use(1);
  ASSERT_EQ(game->inventory.invnext, 1);
  carry({"Обрез", "Вода", "Вода", "Вода", "Вода", "Вода", "Вода"});
  ASSERT_EQ(game->inventory.invload, 9);
  ctl("Label5").visible = false;
  click("Label20");  // 9 + 5 > 10
  EXPECT_TRUE(message_shown());
  EXPECT_EQ(message(), "Перегружен !");
  EXPECT_EQ(game->hero.armname, "Куртка");
  EXPECT_EQ(game->hero.armstate, 60);
  EXPECT_EQ(game->inventory.invnext, 8);
  EXPECT_EQ(game->inventory.invload, 9);
  // By slots: a hundred in use leave no place for the rifle.
  game->hero.capacity = 1000;
  while (game->inventory.invnext <= 100) carry({"Кристалл"});
  click("Label19");
  EXPECT_EQ(game->hero.gunname, "АК-74");
  EXPECT_EQ(game->inventory.invnext, 101);
  // A swap frees its own slot first, so it still works with all slots in use.
  game->inventory.invslots[100] = game->inventory.invslots[1];  // the shotgun
  game->inventory.invload += 3 - 1;
  show();
  use(100);
  EXPECT_EQ(game->hero.gunname, "Обрез");
  EXPECT_EQ(game->inventory.invslots[100].name, "АК-74");
  EXPECT_EQ(game->inventory.invslots[100].state, 90);
  EXPECT_EQ(game->inventory.invnext, 101);
  EXPECT_TRUE(errors.empty());
}

TEST_F(UseTest, TheStatusLinesTakeOffInUseModeAndShowInViewMode) {
  write_picture("Data\\Pictures\\hands.bmp", 20, 10);
  carry({"АК-74"}, 90);
  carry({"Кристалл"});
  show();
  use(1);
  game->hero.gunstate = 35;
  click("Label19");
  EXPECT_EQ(game->hero.gunname, "Руки");
  EXPECT_EQ(game->hero.gunstate, 100);
  EXPECT_EQ(slot_names(), (Lines{"Кристалл", "АК-74"}));
  EXPECT_EQ(game->inventory.invslots[2].state, 35);
  EXPECT_EQ(ctl("PInventory").rows, (Lines{"Кристалл", "АК-74"}));
  EXPECT_EQ(ctl("Label19").caption, "Оружие:  Руки");
  // With bare hands the line does nothing in use mode.
  ctl("Label5").visible = false;
  click("Label19");
  EXPECT_EQ(game->inventory.invnext, 3);
  EXPECT_FALSE(message_shown());
  // In view mode it shows the weapon in hand with its integrity.
  game->hero.gunstate = 80;
  game->inventory.invmode = "view";
  click("Label19");
  EXPECT_EQ(ctl("Memo1").lines[0], "Предмет: Руки");
  EXPECT_EQ(ctl("Memo1").lines[5], "Целостность: 80%");
  EXPECT_EQ(ctl("PShow").left, 186);
  EXPECT_EQ(ctl("Location").left, 1920);
  // Drop and trade modes ignore the line.
  game->park(form::Screen::viewer);
  for (const char* mode : {"drop", "trade"}) {
    game->inventory.invmode = mode;
    click("Label19");
    click("Label20");
  }
  EXPECT_EQ(ctl("PShow").left, 1890);
  EXPECT_TRUE(errors.empty());
}

TEST_F(UseTest, NothingWornYetReturnsNothing) {
  game->hero.gunname.clear();
  game->hero.armname.clear();
  game->hero.capacity = 0;
  EXPECT_TRUE(game->setgun("Руки", 0, 100));
  EXPECT_TRUE(game->setarmor("Рубашка и джинсы", 2, 100));
  EXPECT_EQ(game->inventory.invnext, 1);
  EXPECT_FALSE(message_shown());
  EXPECT_EQ(game->hero.armname, "Рубашка и джинсы");
}
