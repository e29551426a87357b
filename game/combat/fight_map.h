#pragma once
// The fight map ("data\levels\fights\fight.map"): one line per place whose
// one-time fight has been fought. Read afresh, rewritten safely.
#include <string>
#include <vector>

#include "core/paths.h"

namespace combat {

std::vector<std::string> read_fight_map(const core::DataRoot& root);
// Whether a line of the map is exactly the place.
bool fight_map_has(const core::DataRoot& root, const std::string& place);
// The map with the place appended, through its temporary file.
void add_to_fight_map(const core::DataRoot& root, const std::string& place);
// An empty map; its folder is made inside an existing "data\levels" folder
// when missing. Without a levels folder nothing is written.
void reset_fight_map(const core::DataRoot& root);

}  // namespace combat
