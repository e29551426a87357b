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
