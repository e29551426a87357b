// The catalogue scan and the item viewer.
#include "core/data_error.h"
#include "game/items/catalogue.h"
#include "items_fixture.h"

using Lines = std::vector<std::string>;

class CatalogueTest : public ItemsTest {
 protected:
  // The DataError a lookup throws.
  template <class F>
  core::DataError error_of(F lookup) {
    try {
      lookup();
    } catch (const core::DataError& e) {
      return e;
    }
    ADD_FAILURE() << "no DataError";
    return core::DataError("");
  }
};

TEST_F(CatalogueTest, TheFirstMatchingRecordWinsAndTheScanStopsThere) {
  // After the match comes a record that would not convert: never read.
  write_file(kItems, join({item_lines({"Дубль", "a.bmp", 1, 2, "artefact", 0, 11, "первый"}),
                           item_lines({"Дубль", "b.bmp", 1, 3, "artefact", 0, 22, "второй"}),
                           {"Название", "Сломанный", "Картинка", "c.bmp", "Количество", "x"}}));
  const catitem it = catalogue::find_item(root, "Дубль");
  EXPECT_EQ(it.picture, "a.bmp");
  EXPECT_EQ(it.price, 11);
  EXPECT_EQ(it.description, "первый");
  // Names compare exactly, case included: this scan goes on to the broken record.
  EXPECT_EQ(error_of([&] { catalogue::find_item(root, "дубль"); }).text(),
            "'x' is not a valid integer value");

  write_file("Data\\Objects\\guns.dat",
             join({gun_lines(5, "a", 1, 0, 1, 2), gun_lines(5, "b", 1, 0, 7, 9), {"Номер", "?"}}));
  EXPECT_EQ(catalogue::find_gun(root, 5).ammo, "a");
  write_file("Data\\Objects\\armor.dat",
             join({armor_lines(4, 1, 2), armor_lines(4, 8, 9), {"Номер", "?"}}));
  EXPECT_EQ(catalogue::find_armor(root, 4).protect, 1);
  write_file(
      "Data\\Objects\\food.dat",
      join({consumable_lines({3, 1, 2, 3}), consumable_lines({3, 4, 5, 6}), {"Номер", "?"}}));
  EXPECT_EQ(catalogue::find_consumable(root, catalogue::kFood, 3).life, 1);
}

TEST_F(CatalogueTest, AKeyNoRecordMatchesIsAnErrorNamingKeyAndFile) {
  core::DataError e = error_of([&] { catalogue::find_item(root, "Лазер"); });
  EXPECT_EQ(e.text(), "Item 'Лазер' not found");
  EXPECT_EQ(e.file(), "Data\\Objects\\items.dat");
  EXPECT_EQ(e.line(), 0);
  e = error_of([&] { catalogue::find_gun(root, 7); });
  EXPECT_EQ(e.text(), "Record 7 not found");
  EXPECT_EQ(e.file(), "Data\\Objects\\guns.dat");
  e = error_of([&] { catalogue::find_consumable(root, catalogue::kDrink, 2); });
  EXPECT_EQ(e.text(), "Record 2 not found");
  EXPECT_EQ(e.file(), "Data\\Objects\\drink.dat");
  // An empty file holds no record at all.
  write_file("Data\\Objects\\armor.dat", {}, false);
  EXPECT_EQ(error_of([&] { catalogue::find_armor(root, 1); }).text(), "Record 1 not found");
  // Through the dispatcher the message names the file.
  game->handle([&] { game->showitem("Лазер", 1, 100); });
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Item 'Лазер' not found (Data\\Objects\\items.dat)");
}

TEST_F(CatalogueTest, ABlankLineAfterTheLastRecordFailsOnlyAScanThatReachesIt) {
  write_file(kItems, join({item_lines({"Нож", "n.bmp", 1, 1, "artefact", 0, 5, "острый"}), {""}}));
  EXPECT_EQ(catalogue::find_item(root, "Нож").price, 5);
  const core::DataError e = error_of([&] { catalogue::find_item(root, "Вилка"); });
  // The blank line starts record 2 (line 17); its quantity value, due at
  // line 22, lies past the end: the message names the last line.
  EXPECT_EQ(e.text(), "'' is not a valid integer value: the file ended early");
  EXPECT_EQ(e.file(), "Data\\Objects\\items.dat");
  EXPECT_EQ(e.line(), 17);
  // A final line break alone is fine.
  write_file(kItems, item_lines({"Нож", "n.bmp", 1, 1, "artefact", 0, 5, "острый"}), false);
  EXPECT_EQ(error_of([&] { catalogue::find_item(root, "Вилка"); }).text(),
            "Item 'Вилка' not found");
}

TEST_F(CatalogueTest, ValuesConvertStrictlyAndErrorsNameFileAndLine) {
  Lines lines = item_lines({"Нож", "n.bmp", 1, 1, "artefact", 0, 5, "острый"});
  lines[7] = "1.5";
  write_file(kItems, lines);
  core::DataError e = error_of([&] { catalogue::find_item(root, "Нож"); });
  EXPECT_EQ(e.text(), "'1.5' is not a valid integer value");
  EXPECT_EQ(e.line(), 8);
  Lines guns = gun_lines(1, "a", 1, 0, 1, 2);
  guns[1] = " 1";
  write_file("Data\\Objects\\guns.dat", guns);
  e = error_of([&] { catalogue::find_gun(root, 1); });
  EXPECT_EQ(e.text(), "' 1' is not a valid integer value");
  EXPECT_EQ(e.file(), "Data\\Objects\\guns.dat");
  EXPECT_EQ(e.line(), 2);
  std::filesystem::remove(dir / "Data" / "Objects" / "medik.dat");
  e = error_of([&] { catalogue::find_consumable(root, catalogue::kMedik, 1); });
  EXPECT_EQ(e.text(), "File not found");
  EXPECT_EQ(e.file(), "Data\\Objects\\medik.dat");
}

TEST_F(CatalogueTest, PacksRoundHalvesToEven) {
  catitem ammo;
  ammo.name = "Патроны";
  ammo.quantity = 30;
  EXPECT_EQ(catalogue::packs(45, ammo), 2);
  EXPECT_EQ(catalogue::packs(15, ammo), 0);
  EXPECT_EQ(catalogue::packs(75, ammo), 2);
  EXPECT_EQ(catalogue::packs(105, ammo), 4);
  EXPECT_EQ(catalogue::packs(16, ammo), 1);
  ammo.quantity = 0;
  const core::DataError e = error_of([&] { catalogue::packs(10, ammo); });
  EXPECT_EQ(e.text(), "Item 'Патроны' has a quantity below 1");
}

// ---- the viewer ----

class ViewerTest : public ItemsTest {
 protected:
  void SetUp() override {
    ItemsTest::SetUp();
    for (const char* p : {"obrez", "ak", "jacket", "ammo", "food", "water", "medkit", "tools",
                          "kit", "crystal", "hands"})
      write_picture(std::string("Data\\Pictures\\") + p + ".bmp", 20, 10);
  }
  const Lines& memo() { return ctl("Memo1").lines; }
};

TEST_F(ViewerTest, AWeaponShowsItsDamageAmmoIntegrityAndFiringModes) {
  game->showitem("Обрез", 1, 73);
  EXPECT_EQ(ctl("Image3").picture_file, "Data\\Pictures\\obrez.bmp");
  EXPECT_EQ(ctl("Image3").picture.width(), 20);
  EXPECT_EQ(memo(),
            (Lines{"Предмет: Обрез", "Вес: 3", "Ориентировочная цена: 500", "Повреждение: 10 - 20",
                   "Используемые боеприпасы: Дробь", "Целостность: 73%",
                   "Режим стрельбы: одиночный", "Описание: Старое ружье"}));
  // Another view refills the memo; burst 3 adds the burst mode.
  game->showitem("АК-74", 1, 100);
  EXPECT_EQ(memo()[0], "Предмет: АК-74");
  EXPECT_EQ(memo()[5], "Целостность: 100%");
  EXPECT_EQ(memo()[6], "Режим стрельбы: одиночный/очередь");
  EXPECT_EQ(memo().size(), 8u);
}

TEST_F(ViewerTest, ArmourAndConsumablesShowTheirOwnBlocks) {
  game->showitem("Куртка", 1, 64);
  EXPECT_EQ(memo(),
            (Lines{"Предмет: Куртка", "Вес: 5", "Ориентировочная цена: 300", "Защита: 4",
                   "Устойчивость к радиации: 10", "Целостность: 64%", "Описание: Кожаная куртка"}));
  game->showitem("Консервы", 1, 100);
  EXPECT_EQ(memo(), (Lines{"Предмет: Консервы", "Вес: 1", "Ориентировочная цена: 20",
                           "Увеличивает жизнь на 5", "Утоляет голод на 30%",
                           "Уменьшает усталость на 10%", "Описание: Тушенка"}));
  game->showitem("Вода", 1, 100);
  EXPECT_EQ(memo()[4], "Утоляет жажду на 40%");
  EXPECT_EQ(memo()[5], "Уменьшает усталость на 5%");
  game->showitem("Аптечка", 1, 100);
  EXPECT_EQ(memo()[3], "Увеличивает жизнь на 20");
  EXPECT_EQ(memo()[4], "Уменьшает радиацию на 25%");
  EXPECT_EQ(memo()[5], "Уменьшает усталость на 15%");
}

TEST_F(ViewerTest, AmmunitionCountsInRoundedPacks) {
  game->showitem("Патроны 5.45", 45, 100);
  EXPECT_EQ(memo(), (Lines{"Предмет: Патроны 5.45", "Вес: 2", "Ориентировочная цена: 20",
                           "Количество: 45", "Описание: Пачка патронов"}));
  game->showitem("Патроны 5.45", 15, 100);
  EXPECT_EQ(memo(), (Lines{"Предмет: Патроны 5.45", "Вес: 0", "Ориентировочная цена: 0",
                           "Количество: 15", "Описание: Пачка патронов"}));
}

TEST_F(ViewerTest, KitsShowTheirRepairLineAndOtherKindsNoBlock) {
  game->showitem("Ремкомплект", 1, 100);
  EXPECT_EQ(memo(), (Lines{"Предмет: Ремкомплект", "Вес: 2", "Ориентировочная цена: 60",
                           "Увеличивает целостность защиты на 30%", "Описание: Для брони"}));
  game->showitem("Ремнабор", 1, 100);
  EXPECT_EQ(memo()[3], "Увеличивает целостность оружия на 30%");
  game->showitem("Кристалл", 1, 100);
  EXPECT_EQ(memo(), (Lines{"Предмет: Кристалл", "Вес: 1", "Ориентировочная цена: 900",
                           "Описание: Светится"}));
}

TEST_F(ViewerTest, AMissingPictureStopsTheViewBeforeTheText) {
  game->showitem("Кристалл", 1, 100);
  std::filesystem::remove(dir / "Data" / "Pictures" / "obrez.bmp");
  game->handle([&] { game->showitem("Обрез", 1, 100); });
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "File not found (Data\\Pictures\\obrez.bmp)");
  EXPECT_EQ(memo()[0], "Предмет: Кристалл");
}

TEST_F(ViewerTest, TheCloseButtonFlashesAndParksTheViewer) {
  write_picture("Data\\Sprites\\Buttons\\close_p.bmp", 81, 26);
  write_picture("Data\\Sprites\\Buttons\\close_n.bmp", 81, 26);
  game->open_viewer();
  EXPECT_EQ(ctl("Location").left, 1920);
  EXPECT_EQ(ctl("PShow").left, 186);
  EXPECT_EQ(ctl("PShow").top, 273);
  EXPECT_TRUE(ctl("Image37").visible);
  const int64_t start = rt.now;
  click("Image37");
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(rt.now - start, 300);
  EXPECT_EQ(ctl("Image37").picture_file, "Data\\Sprites\\Buttons\\close_n.bmp");
  EXPECT_EQ(ctl("Location").left, 192);
  EXPECT_EQ(ctl("PShow").left, 1890);
}
