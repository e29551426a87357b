#pragma once
// The fight's records: one enemy, the template that loadenemy fills, the
// three fight slots, the player's fight sprite and the ammunition slot.
#include <array>
#include <cstdint>
#include <string>

// The loot lists hold this many entries; later pairs of an enemy file are
// ignored.
inline constexpr int kMaxLoot = 10;

struct enemy {
  std::string name;  // "no": the slot holds no living enemy
  std::string extratext1;
  int32_t health = 0;
  int32_t maxhealth = 0;
  int32_t mindamage = 0;
  int32_t maxdamage = 0;
  int32_t armor = 0;
  int32_t exp = 0;
  int32_t extraint1 = 0;
  int32_t agility = 0;
  int32_t accuracy = 0;
  std::string extratext2;
  int32_t extraint2 = 0;
  std::string picture;
  std::string hitpicture;
  std::string deadpicture;
  std::string extratext3, extratext4, extratext5;
  int32_t minmoney = 0;
  int32_t maxmoney = 0;
  std::array<std::string, kMaxLoot + 1> loot{};  // 1..10 used
  std::array<std::string, kMaxLoot + 1> lootrule{};
  int32_t lootcount = 0;
  int32_t ready = 0;
  std::string healthlabel;  // the label showing its health (Label33, Label35, Label34)
};

struct CombatState {
  enemy enemytemplate;
  enemy enemy1, enemy2, enemy3;
  int32_t fightframe = 1;      // the player's fight sprite shown next, 1..8
  int32_t fightframestep = 1;  // 1: counting up, 2: counting down
  int32_t ammoslot = 0;        // inventory slot of the weapon's ammunition, 0: none
};

// The controls of one fight slot.
struct SlotControls {
  const char* picture;  // click target
  const char* bar;      // readiness bar
  const char* ready;    // readiness text
  const char* health;   // health number
};

// Slot k = 1, 2, 3.
const SlotControls& slot_controls(int k);

namespace form {
class Form;
}
// The fight screen as an empty meter leaves it: no run-away button, no fire
// mode, arrow cursors, the inventory and ground lists closed.
void empty_meter(form::Form& f);

// Every field of an enemy record in file order, for whoever lists them (the
// runner's state): f(name, field) for each.
template <class F>
void fields(const enemy& e, F&& f) {
  f("name", e.name);
  f("extratext1", e.extratext1);
  f("health", e.health);
  f("maxhealth", e.maxhealth);
  f("mindamage", e.mindamage);
  f("maxdamage", e.maxdamage);
  f("armor", e.armor);
  f("exp", e.exp);
  f("extraint1", e.extraint1);
  f("agility", e.agility);
  f("accuracy", e.accuracy);
  f("extratext2", e.extratext2);
  f("extraint2", e.extraint2);
  f("picture", e.picture);
  f("hitpicture", e.hitpicture);
  f("deadpicture", e.deadpicture);
  f("extratext3", e.extratext3);
  f("extratext4", e.extratext4);
  f("extratext5", e.extratext5);
  f("minmoney", e.minmoney);
  f("maxmoney", e.maxmoney);
  f("loot", e.loot);
  f("lootrule", e.lootrule);
  f("lootcount", e.lootcount);
  f("ready", e.ready);
  f("healthlabel", e.healthlabel);
}

// The fight's records and globals, likewise.
template <class F>
void fields(const CombatState& s, F&& f) {
  f("enemytemplate", s.enemytemplate);
  f("enemy1", s.enemy1);
  f("enemy2", s.enemy2);
  f("enemy3", s.enemy3);
  f("fightframe", s.fightframe);
  f("fightframestep", s.fightframestep);
  f("ammoslot", s.ammoslot);
}
