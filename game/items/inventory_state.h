#pragma once
// The carried items: slots 1..invnext-1 in use, the load they weigh and the
// click mode of the inventory list.
#include <array>
#include <cstdint>
#include <string>

#include "game/items/invitem.h"

struct InventoryState {
  std::array<invitem, 101> invslots{};  // slots 1..100; index 0 unused
  int32_t invnext = 1;
  int32_t invload = 0;
  std::string invmode;  // "view", "use", "drop" or "trade"
};

// The scalar fields; the slots in use are listed by whoever prints them.
template <class F>
void fields(const InventoryState& s, F&& f) {
  f("invnext", s.invnext);
  f("invload", s.invload);
  f("invmode", s.invmode);
}
