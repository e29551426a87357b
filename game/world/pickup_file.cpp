#include "game/world/pickup_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/data_reader.h"
#include "core/safe_rewrite.h"
#include "game/world/data_paths.h"

namespace world {

std::vector<pickupentry> parse_pickup_file(const std::string& file, const std::string& bytes) {
  core::DataReader in(file, bytes);
  std::vector<pickupentry> entries;
  while (!in.eof()) {
    pickupentry e;
    e.line = in.line_number() + 1;
    e.kind = in.line();
    e.lines = in.eof() ? 1 : 2;
    e.name = in.line();
    if (e.lines == 2 && !in.eof()) e.lines = 3;
    e.availability = in.line();
    entries.push_back(std::move(e));
  }
  return entries;
}

std::vector<pickupentry> read_pickup_file(const core::DataRoot& root, const std::string& file) {
  return parse_pickup_file(file, core::read_data_file(root, file));
}

std::vector<std::string> list_pickup_files(const core::DataRoot& root) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  const std::optional<fs::path> folder = root.find(kPickupFolder);
  std::error_code ec;
  if (!folder || !fs::is_directory(*folder, ec)) return names;
  for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() < 4 || core::fold_case(name.substr(name.size() - 4)) != ".pkp") continue;
    std::error_code type_ec;
    if (it->symlink_status(type_ec).type() != fs::file_type::regular) continue;
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  for (std::string& name : names) name = std::string(kPickupFolder) + "\\" + name;
  return names;
}

std::vector<std::string> pickup_lines(const std::vector<pickupentry>& entries) {
  std::vector<std::string> lines;
  lines.reserve(entries.size() * 3);
  for (const pickupentry& e : entries) {
    lines.push_back(e.kind);
    lines.push_back(e.name);
    lines.push_back(e.availability);
  }
  return lines;
}

void write_pickup_file(const core::DataRoot& root, const std::string& file, const std::string& temp,
                       const std::vector<pickupentry>& entries) {
  core::safe_rewrite(root, file, temp, pickup_lines(entries));
}

}  // namespace world
