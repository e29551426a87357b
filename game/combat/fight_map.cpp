#include "game/combat/fight_map.h"

#include "core/data_reader.h"
#include "core/files.h"
#include "core/safe_rewrite.h"
#include "game/combat/data_paths.h"

namespace combat {

std::vector<std::string> read_fight_map(const core::DataRoot& root) {
  return core::read_all_lines(root, kFightMap);
}

bool fight_map_has(const core::DataRoot& root, const std::string& place) {
  for (const std::string& line : read_fight_map(root))
    if (line == place) return true;
  return false;
}

void add_to_fight_map(const core::DataRoot& root, const std::string& place) {
  std::vector<std::string> lines = read_fight_map(root);
  lines.push_back(place);
  core::safe_rewrite(root, kFightMap, kFightMapTemp, lines);
}

void reset_fight_map(const core::DataRoot& root) {
  const std::optional<std::filesystem::path> levels = root.find(kLevelsFolder);
  if (!levels || root.files().kind(*levels) != core::Files::Kind::folder) return;
  if (!root.find(kFightMapFolder)) root.files().make_folder(*levels / "fights");
  core::safe_rewrite(root, kFightMap, std::string(kFightMap) + ".tmp", {});
}

}  // namespace combat
