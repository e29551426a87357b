// The player's attack on an enemy, the enemy's attack on the player, and the
// search for the weapon's ammunition.
#include <algorithm>

#include "core/checked.h"
#include "core/convert.h"
#include "core/rounding.h"
#include "game/combat/enemy.h"
#include "game/combat/rules.h"
#include "game/game.h"
#include "game/items/catalogue.h"
#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"

using core::sat_add;
using core::sat_sub;
using core::str;

namespace {

constexpr const char* kKnife = "Охотничий нож";
// A burst rolls its damage once per round; the rolls stop here however many
// rounds the weapon claims, so no content can stall the game.
constexpr int32_t kMaxRolls = 1000;

// lo + Random(hi - lo): hi itself is never drawn; a range of zero or below
// gives lo.
int32_t roll(core::RandomSource& rng, int32_t lo, int32_t hi) {
  return sat_add(lo, rng.Random(sat_sub(hi, lo)));
}

int32_t reduce(int32_t d, long double divisor) {
  return core::round32(core::Round(d / divisor));
}

}  // namespace

bool Game::srshammo(const std::string& ammo) {
  combat.ammoslot = 0;
  for (int i = 1; i < inventory.invnext && i < static_cast<int>(inventory.invslots.size()); ++i)
    if (inventory.invslots[static_cast<size_t>(i)].name == ammo) combat.ammoslot = i;
  return combat.ammoslot != 0;
}

void Game::hitenemy(int k) {
  form::Control& log = form["Memo2"];
  enemy e = enemy_slot(k);
  const bool melee = hero.gunname == catalogue::kHands || hero.gunname == kKnife;
  auto rounds = [this] { return form["RadioButton1"].checked ? hero.gunsingle : hero.gunburst; };
  // Takes n rounds from the ammunition slot; an emptied slot leaves the inventory.
  auto spend = [this](int32_t n) {
    invitem& ammo = inventory.invslots[static_cast<size_t>(combat.ammoslot)];
    ammo.count = sat_sub(ammo.count, n);
    if (ammo.count <= 0) {
      removefrominv(combat.ammoslot);
      showinv();
    }
  };

  const int r = rng.Random(100);
  if (r <= hero.fatigue) {
    // A miss still fires the rounds when there are enough.
    if (srshammo(hero.gunammo)) {
      const int32_t n = rounds();
      if (n <= inventory.invslots[static_cast<size_t>(combat.ammoslot)].count && !melee) spend(n);
    }
    log.add("Промах !");
    hero.ready = 0;
  } else {
    bool fired = true;
    const int32_t n = rounds();
    if (!melee) {
      if (!srshammo(hero.gunammo)) {
        log.add("Нет патронов !");
        fired = false;
      } else if (n > inventory.invslots[static_cast<size_t>(combat.ammoslot)].count) {
        log.add("Не хватает патронов !");
        fired = false;
      } else {
        spend(n);
      }
    }
    if (fired) {
      int32_t d = 0;
      const int32_t rolls = std::clamp(n, 1, kMaxRolls);
      for (int32_t i = 0; i < rolls; ++i)
        d = sat_add(d, combat::after_armor(roll(rng, hero.gunmindmg, hero.gunmaxdmg), e.armor));
      if (inventory.invload >= sat_sub(hero.capacity, 250)) {
        d = reduce(d, 1.2L);
        log.add("Нагружен. Урон меньше.");
      }
      if (hero.fatigue >= 100) {
        d = reduce(d, 1.2L);
        log.add("Устал. Урон меньше.");
      }
      e.health = std::max(0, sat_sub(e.health, d));
      e.ready = std::max(0, sat_sub(e.ready, 10));
      log.add("Урон противнику: " + str(d));
      if (!e.healthlabel.empty()) form[e.healthlabel].caption = str(e.health);
      if (e.health == 0) {
        // The slot is marked empty before the reward, so an attack that fails
        // half-way (a loot write) can never reward the same enemy twice.
        enemy_slot(k) = e;
        enemy_slot(k).name = "no";
        deathen(k, e);
      } else {
        enemy_slot(k) = e;
      }
      hero.ready = 0;
    }
  }

  // Wear after every attack, hit, miss or empty magazine.
  hero.gunstate = sat_sub(hero.gunstate, roll(rng, hero.gunwearmin, hero.gunwearmax));
  if (hero.gunstate < 10) log.add("Оружие портится !");
  if (hero.gunstate <= 0) {
    log.add("Оружие сломалось !");
    hero.gunname = catalogue::kHands;
    setgun(catalogue::kHands, 0, 100);
  }
  form.check(form["RadioButton1"]);
}

void Game::enemyhit(int k) {
  form::Control& log = form["Memo2"];
  enemy e = enemy_slot(k);
  const char* picture = slot_controls(k).picture;
  load_picture(picture, e.hitpicture);
  rt.wait(300);
  load_picture(picture, e.picture);

  const int r = rng.Random(sat_sub(31, e.accuracy));
  if (e.accuracy < r) {
    log.add(e.name + " промазал !");
    e.ready = 0;
  } else {
    int32_t d = roll(rng, e.mindamage, e.maxdamage);
    if (e.ready < 90) d = reduce(d, 1.5L);
    // Protection: at least 1 health is lost on every hit.
    d = combat::protect(rng, d, hero.armprotect);
    hero.health = std::max(0, sat_sub(hero.health, d));
    hero.ready = std::max(0, sat_sub(hero.ready, 10));
    log.add(e.name + " наносит урон: " + str(d));
    hero.armstate = sat_sub(hero.armstate, roll(rng, hero.armwearmin, hero.armwearmax));
    if (hero.armstate < 10) log.add("Защита портится !");
    if (hero.armstate <= 0) {
      log.add("Защита испортилась !");
      hero.armname = catalogue::kClothes;
      setarmor(catalogue::kClothes, 2, 100);
    }
    if (hero.health == 0) stdeath();
    e.ready = 0;
    showpercents();
  }
  enemy_slot(k) = e;
}
