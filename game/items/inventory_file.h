#pragma once
// The inventory start file ("Data\Config\inventory.cfg"): one item name of
// the catalogue per line, every line to the end of the file (an empty line
// too) carried at a new game.
#include <string>
#include <vector>

#include "core/paths.h"

namespace items {

inline constexpr const char* kInventoryStart = "Data\\Config\\inventory.cfg";

struct startitem {
  std::string name;
  int line = 0;
};

std::vector<startitem> read_inventory_start(const core::DataRoot& root);
std::vector<startitem> parse_inventory_start(const std::string& bytes);

}  // namespace items
