#include "game/items/inventory_file.h"

#include "core/data_reader.h"

namespace items {

std::vector<startitem> parse_inventory_start(const std::string& bytes) {
  core::DataReader in(kInventoryStart, bytes);
  std::vector<startitem> names;
  while (!in.eof()) {
    std::string name = in.line();
    names.push_back({std::move(name), in.line_number()});
  }
  return names;
}

std::vector<startitem> read_inventory_start(const core::DataRoot& root) {
  return parse_inventory_start(core::read_data_file(root, kInventoryStart));
}

}  // namespace items
