#pragma once
// The pending values of the level-up screen while it is open. The points
// still to spend are the number in Edit1.
#include <cstdint>

struct LevelUpState {
  int32_t newmaxhealth = 0;
  int32_t newstrength = 0;
  int32_t newagility = 0;
  int32_t newintellect = 0;
  int32_t newcapacity = 0;
};

// Every pending value, for whoever lists them (the runner's state).
template <class F>
void fields(const LevelUpState& s, F&& f) {
  f("newmaxhealth", s.newmaxhealth);
  f("newstrength", s.newstrength);
  f("newagility", s.newagility);
  f("newintellect", s.newintellect);
  f("newcapacity", s.newcapacity);
}
