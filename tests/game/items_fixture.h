#pragma once
// A small item catalogue for the items tests, written with label lines like
// the game's own files, and a character holding bare hands and plain clothes.
#include <string>
#include <vector>

#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"
#include "support/data_writers.h"
#include "support/game_fixture.h"

// Shorthands for the catalogue records these tests use (texts "t1".."t4").
inline Lines gun_lines(int id, const std::string& ammo, int single, int burst, int mindmg,
                       int maxdmg, int state = 100, int wearmin = 1, int wearmax = 2) {
  return gun_lines(guns{.id = id,
                        .mindmg = mindmg,
                        .maxdmg = maxdmg,
                        .ammo = ammo,
                        .single = single,
                        .burst = burst,
                        .state = state,
                        .wearmin = wearmin,
                        .wearmax = wearmax,
                        .text1 = "t1",
                        .text2 = "t2",
                        .text3 = "t3",
                        .text4 = "t4"});
}

inline Lines armor_lines(int id, int protect, int radres, int state = 100, int wearmin = 1,
                         int wearmax = 3, const std::string& text = "броня") {
  return armor_lines(armors{id, protect, radres, state, wearmin, wearmax, text});
}

class ItemsTest : public GameTest {
 protected:
  static constexpr const char* kItems = "Data\\Objects\\items.dat";

  void SetUp() override {
    write_file(
        kItems,
        join({item_lines({"Руки", "Data\\Pictures\\hands.bmp", 1, 0, "gun", 1, 0, "Кулаки"}),
              item_lines(
                  {"Рубашка и джинсы", "Data\\Pictures\\shirt.bmp", 1, 0, "armor", 1, 0, "Одежда"}),
              item_lines(
                  {"Обрез", "Data\\Pictures\\obrez.bmp", 1, 3, "gun", 2, 500, "Старое ружье"}),
              item_lines({"АК-74", "Data\\Pictures\\ak.bmp", 1, 4, "gun", 3, 1500, "Автомат"}),
              item_lines({"Куртка", "Data\\Pictures\\jacket.bmp", 1, 5, "armor", 2, 300,
                          "Кожаная куртка"}),
              item_lines({"Патроны 5.45", "Data\\Pictures\\ammo.bmp", 30, 1, "ammo", 0, 10,
                          "Пачка патронов"}),
              item_lines({"Консервы", "Data\\Pictures\\food.bmp", 1, 1, "food", 1, 20, "Тушенка"}),
              item_lines(
                  {"Вода", "Data\\Pictures\\water.bmp", 1, 1, "drink", 1, 15, "Бутылка воды"}),
              item_lines(
                  {"Аптечка", "Data\\Pictures\\medkit.bmp", 1, 1, "medik", 1, 100, "Бинты и йод"}),
              item_lines({"Ремнабор", "Data\\Pictures\\tools.bmp", 1, 2, "toolkit_w", 0, 50,
                          "Для оружия"}),
              item_lines({"Ремкомплект", "Data\\Pictures\\kit.bmp", 1, 2, "toolkit_a", 0, 60,
                          "Для брони"}),
              item_lines({"Кристалл", "Data\\Pictures\\crystal.bmp", 1, 1, "artefact", 0, 900,
                          "Светится"})}));
    write_file(catalogue::kGuns,
               join({gun_lines(1, "нет", 0, 0, 1, 3), gun_lines(2, "Дробь", 2, 0, 10, 20, 55),
                     gun_lines(3, "Патроны 5.45", 1, 3, 8, 12, 40, 2, 4)}));
    write_file(catalogue::kArmor,
               join({armor_lines(1, 0, 0), armor_lines(2, 4, 10, 30, 1, 2, "кожа")}));
    write_file(catalogue::kFood, consumable_lines({1, 5, 10, 30}));
    write_file(catalogue::kDrink, consumable_lines({1, 2, 5, 40}));
    write_file(catalogue::kMedik, consumable_lines({1, 20, 15, 25}));
    in_play();
    game->hero.maxhealth = 50;
    game->hero.health = 50;
    game->hero.capacity = 100;
    game->setgun("Руки", 0, 100);
    game->setarmor("Рубашка и джинсы", 2, 100);
    ASSERT_EQ(game->inventory.invnext, 1);
  }

  // Adds items to the inventory, each of them expected to fit.
  void carry(const std::vector<std::string>& names, int state = 100) {
    for (const auto& n : names) ASSERT_EQ(game->addtoinv(n, state), 1) << n;
  }

  std::vector<std::string> slot_names() const {
    std::vector<std::string> names;
    for (int i = 1; i < game->inventory.invnext; ++i)
      names.push_back(game->inventory.invslots[i].name);
    return names;
  }

  const std::string& message() { return ctl("Label5").caption; }
  bool message_shown() { return ctl("Label5").visible; }
};
