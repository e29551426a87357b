#pragma once
// The character record: everything about the player, in one plain record.
#include <cstdint>
#include <string>

struct rmkin {
  std::string name;
  int32_t health = 0;
  int32_t maxhealth = 0;
  int32_t strength = 0;
  int32_t agility = 0;
  int32_t intellect = 0;
  int32_t exp = 0;
  int32_t nextexp = 0;
  int32_t level = 0;
  int32_t money = 0;
  double hunger = 0;
  double thirst = 0;
  double fatigue = 0;
  double radiation = 0;
  int32_t capacity = 0;
  std::string gunname;
  int32_t gunmindmg = 0;
  int32_t gunmaxdmg = 0;
  std::string gunammo;
  int32_t gunsingle = 0;
  int32_t gunburst = 0;
  int32_t gunstate = 0;
  int32_t gunwearmin = 0;
  int32_t gunwearmax = 0;
  std::string guntext1, guntext2, guntext3, guntext4;
  std::string armname;
  int32_t armprotect = 0;
  int32_t armradres = 0;
  int32_t armstate = 0;
  int32_t armwearmin = 0;
  int32_t armwearmax = 0;
  std::string armtext;
  int32_t ready = 0;
};

// Every field, in the record's order, for whoever lists them.
template <class F>
void fields(const rmkin& h, F&& f) {
  f("name", h.name);
  f("health", h.health);
  f("maxhealth", h.maxhealth);
  f("strength", h.strength);
  f("agility", h.agility);
  f("intellect", h.intellect);
  f("exp", h.exp);
  f("nextexp", h.nextexp);
  f("level", h.level);
  f("money", h.money);
  f("hunger", h.hunger);
  f("thirst", h.thirst);
  f("fatigue", h.fatigue);
  f("radiation", h.radiation);
  f("capacity", h.capacity);
  f("gunname", h.gunname);
  f("gunmindmg", h.gunmindmg);
  f("gunmaxdmg", h.gunmaxdmg);
  f("gunammo", h.gunammo);
  f("gunsingle", h.gunsingle);
  f("gunburst", h.gunburst);
  f("gunstate", h.gunstate);
  f("gunwearmin", h.gunwearmin);
  f("gunwearmax", h.gunwearmax);
  f("guntext1", h.guntext1);
  f("guntext2", h.guntext2);
  f("guntext3", h.guntext3);
  f("guntext4", h.guntext4);
  f("armname", h.armname);
  f("armprotect", h.armprotect);
  f("armradres", h.armradres);
  f("armstate", h.armstate);
  f("armwearmin", h.armwearmin);
  f("armwearmax", h.armwearmax);
  f("armtext", h.armtext);
  f("ready", h.ready);
}
