// Using an inventory slot: eating, drinking, healing, repairing, equipping.
#include <algorithm>
#include <limits>

#include "core/checked.h"
#include "game/game.h"
#include "game/items/catalogue.h"
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"

namespace {

// Health up to maxhealth; the need and fatigue down, not below 0.
void consume(rmkin& hero, const consumable& c, double& need) {
  const int64_t health = int64_t{hero.health} + c.life;
  hero.health = static_cast<int32_t>(std::clamp<int64_t>(
      health, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
  if (hero.maxhealth < hero.health) hero.health = hero.maxhealth;
  need = core::clamp_finite32(need - c.needcut);
  if (need < 0) need = 0;
  hero.fatigue = core::clamp_finite32(hero.fatigue - c.fatiguecut);
  if (hero.fatigue < 0) hero.fatigue = 0;
}

// Integrity after a repair kit: plus 30, capped at 100.
int32_t repaired(int32_t state) {
  return static_cast<int32_t>(std::min<int64_t>(int64_t{state} + 30, 100));
}

}  // namespace

void Game::usefood(int ref) {
  consume(hero, catalogue::find_consumable(root, catalogue::kFood, ref), hero.hunger);
}

void Game::usedrink(int ref) {
  consume(hero, catalogue::find_consumable(root, catalogue::kDrink, ref), hero.thirst);
}

void Game::usemedik(int ref) {
  consume(hero, catalogue::find_consumable(root, catalogue::kMedik, ref), hero.radiation);
}

void Game::useitem(int slot) {
  if (slot < 1 || slot >= inventory.invnext) return;
  // A copy: equipping and removing move the slots.
  const invitem item = inventory.invslots[slot];
  std::string done;
  if (item.kind == "toolkit_a") {
    if (hero.armname == catalogue::kClothes) {
      outmsg("Нет защиты !", form::colors::red, 2);
      return;
    }
    hero.armstate = repaired(hero.armstate);
    removefrominv(slot);
    done = "Отремонтировал";
  } else if (item.kind == "toolkit_w") {
    if (hero.gunname == catalogue::kHands) {
      outmsg("Нет оружия в руках !", form::colors::red, 2);
      return;
    }
    hero.gunstate = repaired(hero.gunstate);
    removefrominv(slot);
    done = "Отремонтировал";
  } else if (item.kind == "food") {
    usefood(item.ref);
    removefrominv(slot);
    done = "Перекусил";
  } else if (item.kind == "drink") {
    usedrink(item.ref);
    removefrominv(slot);
    done = "Утолил жажду";
  } else if (item.kind == "medik") {
    usemedik(item.ref);
    removefrominv(slot);
    done = "Полечился";
  } else if (item.kind == "gun") {
    if (!setgun(item.name, slot, item.state)) return;
    done = "Вооружился";
  } else if (item.kind == "armor") {
    if (!setarmor(item.name, slot, item.state)) return;
    done = "Укрепился";
  } else {
    return;  // ammunition, artefacts and other kinds have no use
  }
  showroamkin();
  showinv();
  outmsg(done, form::colors::white, 2);
}
