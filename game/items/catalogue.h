#pragma once
// The item catalogue: six read-only files in "Data\Objects\", scanned from the
// top on every use; the first record whose key matches wins. A key that no
// record matches is a DataError naming the key and the file.
#include <cstdint>
#include <functional>
#include <string>

#include "core/data_error.h"
#include "core/paths.h"

// A record of "Data\Objects\items.dat".
struct catitem {
  std::string name;
  std::string picture;
  int32_t quantity = 0;
  int32_t weight = 0;
  std::string kind;
  int32_t ref = 0;
  int32_t price = 0;
  std::string description;
};

// A record of "Data\Objects\guns.dat" (the file gives id, ammo, single, burst,
// mindmg, maxdmg, state, wearmin, wearmax, then the four texts).
struct guns {
  int32_t id = 0;
  int32_t mindmg = 0;
  int32_t maxdmg = 0;
  std::string ammo;
  int32_t single = 0;
  int32_t burst = 0;
  int32_t state = 0;
  int32_t wearmin = 0;
  int32_t wearmax = 0;
  std::string text1, text2, text3, text4;
};

// A record of "Data\Objects\armor.dat".
struct armors {
  int32_t id = 0;
  int32_t protect = 0;
  int32_t radres = 0;
  int32_t state = 0;
  int32_t wearmin = 0;
  int32_t wearmax = 0;
  std::string text;
};

// A record of medik.dat, drink.dat or food.dat.
struct consumable {
  int32_t id = 0;
  int32_t life = 0;
  int32_t fatiguecut = 0;
  int32_t needcut = 0;
};

namespace catalogue {

inline constexpr const char* kItems = "Data\\Objects\\items.dat";
inline constexpr const char* kGuns = "Data\\Objects\\guns.dat";
inline constexpr const char* kArmor = "Data\\Objects\\armor.dat";
inline constexpr const char* kMedik = "Data\\Objects\\medik.dat";
inline constexpr const char* kDrink = "Data\\Objects\\drink.dat";
inline constexpr const char* kFood = "Data\\Objects\\food.dat";

// Where a name looked up in the catalogue came from (a start-inventory line,
// a pickup entry): a name no record matches is then reported at that file and
// line, as "Item 'X' not found in Data\Objects\items.dat (FILE, line N)".
using Origin = core::Origin;

catitem find_item(const core::DataRoot& root, const std::string& name, const Origin& from = {});
// The same scan over bytes of items.dat read once, for a rule that looks up
// many names within one event (the catalogue cannot change meanwhile, so
// this gives exactly what fresh reads would).
catitem find_item_in(const std::string& items_bytes, const std::string& name,
                     const Origin& from = {});
guns find_gun(const core::DataRoot& root, int32_t id);
armors find_armor(const core::DataRoot& root, int32_t id);
// file: one of kMedik, kDrink, kFood.
consumable find_consumable(const core::DataRoot& root, const char* file, int32_t id);

// Every record of a file in file order, with the line of its key value (for
// the data checker); a bad value throws the lookup's DataError.
void each_item(const core::DataRoot& root, const std::function<void(const catitem&, int)>& each);
void each_gun(const core::DataRoot& root, const std::function<void(const guns&, int)>& each);
void each_armor(const core::DataRoot& root, const std::function<void(const armors&, int)>& each);
void each_consumable(const core::DataRoot& root, const char* file,
                     const std::function<void(const consumable&, int)>& each);

// The default weapon and armour, worn when nothing else is; never carried.
inline constexpr const char* kHands = "Руки";
inline constexpr const char* kClothes = "Рубашка и джинсы";

// Whole packs that `count` units of the item make: count / quantity rounded
// to the nearest integer, halves to even (45 of 30 -> 2, 15 of 30 -> 0).
// A quantity below 1 is a DataError naming the item.
int64_t packs(int32_t count, const catitem& item);

}  // namespace catalogue
