// Ground items: the ground list, picking up, laying down and dropping.
#include <gtest/gtest.h>

#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"
#include "support/write_fault.h"
#include "world_fixture.h"

using Lines = std::vector<std::string>;

namespace {

class WorldGround : public world_test::WorldTest {
 protected:
  void SetUp() override {
    LocFile f;
    f.pkp = "склад";
    write_loc("1", f);
    write_items({{"Нож", 2}, {"Фляга", 1}, {"Гиря", 30}, {"Камень", 1}});
    game->hero.capacity = 20;
  }
  // Writes the pickup file of the location and shows the location.
  void ground(const Lines& lines) {
    write_pickup("склад", lines);
    enter("1");
  }
  Lines file() const { return pickup_lines("склад"); }
  Lines carried() const {
    Lines names;
    for (int i = 1; i < game->inventory.invnext; ++i)
      names.push_back(game->inventory.invslots[i].name);
    return names;
  }
};

TEST_F(WorldGround, ListsAvailableItemsInFileOrder) {
  ground({"always", "Нож", "aviable",    //
          "once", "Фляга", "unaviable",  //
          "шанс", "Камень", "aviable",   //
          "always", "Гиря", "Aviable",   //
          "once", "Нож", "aviable"});
  EXPECT_EQ(rows("PItems"), (Lines{"Нож", "Камень", "Нож"}));

  ground({"always", "Нож", "unaviable"});
  EXPECT_EQ(rows("PItems"), Lines{""});
  pick("PItems", 0);  // the empty row does nothing
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(carried().empty());
  EXPECT_EQ(file(), (Lines{"always", "Нож", "unaviable"}));

  ground({});
  EXPECT_EQ(rows("PItems"), Lines{""});
}

TEST_F(WorldGround, LocationWithoutPickupFileHasAnEmptyList) {
  ground({"always", "Нож", "aviable"});
  LocFile f;
  f.pkp = "no";
  write_loc("2", f);
  enter("2");
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(rows("PItems"), Lines{""});

  f.pkp = "нет";  // any other name must exist
  write_loc("2", f);
  enter("2");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("data\\levels\\Pickup\\нет.pkp"), std::string::npos);
}

TEST_F(WorldGround, PickupTakesTheFirstUntakenEntryOfTheName) {
  ground({"always", "Нож", "aviable",  //
          "once", "Нож", "aviable",    //
          "once", "Фляга", "aviable"});
  pick("PItems", 0);
  ASSERT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(carried(), Lines{"Нож"});
  EXPECT_EQ(game->inventory.invload, 2);
  EXPECT_EQ(file(), (Lines{"always", "Нож", "unaviable",  //
                           "once", "Нож", "aviable",      //
                           "once", "Фляга", "aviable"}));
  EXPECT_EQ(rows("PItems"), (Lines{"Нож", "Фляга"}));
  EXPECT_EQ(ctl("Label5").caption, "Поднял предмет");
  EXPECT_EQ(ctl("Label5").font.color, form::colors::white);
  EXPECT_EQ(ctl("Timer3").interval, 1000);

  // A dropped item leaves the file when it is picked up.
  pick("PItems", 0);
  EXPECT_EQ(file(), (Lines{"always", "Нож", "unaviable", "once", "Фляга", "aviable"}));
  EXPECT_EQ(rows("PItems"), Lines{"Фляга"});
  EXPECT_EQ(carried(), (Lines{"Нож", "Нож"}));
  EXPECT_FALSE(exists("data\\levels\\Pickup\\склад.pkp.tmp"));
}

TEST_F(WorldGround, PickupTakesAnUnlistedEntryWithAnOddAvailabilityWord) {
  ground({"шанс", "Нож", "потерян",  //
          "always", "Нож", "aviable"});
  EXPECT_EQ(rows("PItems"), Lines{"Нож"});
  pick("PItems", 0);
  EXPECT_EQ(file(), (Lines{"шанс", "Нож", "unaviable", "always", "Нож", "aviable"}));
  EXPECT_EQ(rows("PItems"), Lines{"Нож"});
}

TEST_F(WorldGround, OverloadedCharacterLeavesTheItemOnTheGround) {
  const Lines lines = {"always", "Гиря", "aviable"};
  ground(lines);
  pick("PItems", 0);
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(carried().empty());
  EXPECT_EQ(file(), lines);
  EXPECT_EQ(rows("PItems"), Lines{"Гиря"});
  EXPECT_EQ(ctl("Label5").caption, "Перегружен !");
}

TEST_F(WorldGround, DropAppendsOneEntryAndRefreshesTheView) {
  ground({"always", "Фляга", "unaviable"});
  carry("Камень");
  carry("Нож", 2);
  ctl("LocMemo").lines = {"разговор"};
  run([&] { game->dropitem(2); });
  ASSERT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(file(), (Lines{"always", "Фляга", "unaviable", "once", "Нож", "aviable"}));
  EXPECT_EQ(rows("PItems"), Lines{"Нож"});
  EXPECT_EQ(ctl("LocMemo").lines, LocFile{}.desc);
  EXPECT_EQ(carried(), Lines{"Камень"});
  EXPECT_EQ(game->inventory.invload, 1);
  EXPECT_EQ(ctl("Label5").caption, "Бросил вещь");
  EXPECT_EQ(ctl("Timer3").interval, 2000);
  EXPECT_FALSE(exists("data\\levels\\Pickup\\склад.tmp"));

  // And it can be picked up again.
  pick("PItems", 0);
  EXPECT_EQ(file(), (Lines{"always", "Фляга", "unaviable"}));
  EXPECT_EQ(carried(), (Lines{"Камень", "Нож"}));
}

TEST_F(WorldGround, LayingDownAppendsWithoutTouchingTheScreen) {
  ground({"always", "Фляга", "aviable"});
  run([&] { game->addtoground("Нож"); });
  EXPECT_EQ(file(), (Lines{"always", "Фляга", "aviable", "once", "Нож", "aviable"}));
  EXPECT_EQ(rows("PItems"), Lines{"Фляга"});

  // Entries are read in threes: a short last one is completed with empty lines.
  write_pickup("склад", {"always", "Фляга", "aviable", "always"});
  run([&] { game->addtoground("Нож"); });
  EXPECT_EQ(file(),
            (Lines{"always", "Фляга", "aviable", "always", "", "", "once", "Нож", "aviable"}));
}

TEST_F(WorldGround, PickupNamesMustStayInsideTheDataFolder) {
  write_file("outside.pkp", {"once", "Нож", "aviable"});
  LocFile f;
  f.pkp = "..\\..\\..\\outside";
  write_loc("2", f);
  enter("2");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("leaves the data folder"), std::string::npos);
  run([&] { game->addtoground("Нож"); });
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(read_lines("outside.pkp"), (Lines{"once", "Нож", "aviable"}));
}

TEST_F(WorldGround, InterruptedPickupLeavesTheOldOrTheNewFile) {
  const Lines before = {"always", "Нож", "aviable", "once", "Фляга", "aviable"};
  ground(before);
  const std::string old_bytes = read_bytes("data\\levels\\Pickup\\склад.pkp");
  pick("PItems", 1);
  ASSERT_TRUE(errors.empty());
  const std::string new_bytes = read_bytes("data\\levels\\Pickup\\склад.pkp");
  ASSERT_NE(old_bytes, new_bytes);

  int failures = 0;
  for (int step = 1; step < 50; ++step) {
    ground(before);
    game->inventory.invnext = 1;
    game->inventory.invload = 0;
    errors.clear();
    {
      test_support::ScopedWriteFault fault(root, step);
      pick("PItems", 1);
    }
    const std::string bytes = read_bytes("data\\levels\\Pickup\\склад.pkp");
    EXPECT_FALSE(exists("data\\levels\\Pickup\\склад.pkp.tmp")) << "step " << step;
    if (errors.empty()) {
      EXPECT_EQ(bytes, new_bytes) << "step " << step;
      EXPECT_EQ(rows("PItems"), Lines{"Нож"});
      break;
    }
    ++failures;
    EXPECT_EQ(bytes, old_bytes) << "step " << step;
    EXPECT_NE(errors[0].find("Cannot write file"), std::string::npos);
    EXPECT_EQ(rows("PItems"), (Lines{"Нож", "Фляга"}));  // not refreshed
    // The item was not taken: it is still on the ground, so not carried.
    EXPECT_EQ(game->inventory.invnext, 1) << "step " << step;
    EXPECT_EQ(game->inventory.invload, 0) << "step " << step;
  }
  // Create, three lines, flush, sync, close, rename.
  EXPECT_EQ(failures, 8);
}

}  // namespace
