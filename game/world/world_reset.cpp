// The new-game reset of the world files: every pickup file back to its
// starting state, and an empty fight map.
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/data_reader.h"
#include "core/paths.h"
#include "core/safe_rewrite.h"
#include "game/game.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kPickupFolder = "data\\levels\\Pickup";
constexpr const char* kLevels = "data\\levels";
constexpr const char* kFights = "data\\levels\\fights";
constexpr const char* kFightMap = "data\\levels\\fights\\fight.map";

bool is_pickup_name(const std::string& name) {
  return name.size() >= 4 && core::fold_case(name.substr(name.size() - 4)) == ".pkp";
}

// Real names of the pickup files, in name order. Only regular files count:
// folders, links and special files named like pickup files are left alone.
std::vector<std::string> pickup_files(const core::DataRoot& root) {
  std::vector<std::string> names;
  const std::optional<fs::path> folder = root.find(kPickupFolder);
  std::error_code ec;
  if (!folder || !fs::is_directory(*folder, ec)) return names;
  for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!is_pickup_name(name)) continue;
    std::error_code type_ec;
    if (it->symlink_status(type_ec).type() != fs::file_type::regular) continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

void Game::newgame() {
  form::Control& ground = form["PItems"];
  ground.set_row_count(1);
  ground.rows[0].clear();

  // Dropped items go, placed ones come back: "always" for sure, any other
  // kind with one draw per entry in file order (r <= 65 leaves it taken).
  // All files are rewritten together, with one sync of the disk for all.
  std::vector<core::Rewrite> rewrites;
  for (const std::string& name : pickup_files(root)) {
    const std::string file = std::string(kPickupFolder) + "\\" + name;
    core::DataReader in(root, file);
    std::vector<std::string> lines;
    while (!in.eof()) {
      std::string kind = in.line();
      std::string item = in.line();
      in.skip();
      if (kind == "once") continue;
      std::string availability = "aviable";
      if (kind != "always" && rng.Random(100) <= 65) availability = "unaviable";
      lines.push_back(std::move(kind));
      lines.push_back(std::move(item));
      lines.push_back(std::move(availability));
    }
    rewrites.push_back({file, file + ".tmp", std::move(lines)});
  }
  core::safe_rewrite_all(root, rewrites);

  // The fight map starts empty. A data set without fights may lack the
  // fights folder; it is made inside an existing levels folder. Without a
  // levels folder there is no world to reset and nothing is created.
  const std::optional<fs::path> levels = root.find(kLevels);
  std::error_code ec;
  if (!levels || !fs::is_directory(*levels, ec)) return;
  if (!root.find(kFights)) fs::create_directory(*levels / "fights", ec);
  core::safe_rewrite(root, kFightMap, std::string(kFightMap) + ".tmp", {});
}
