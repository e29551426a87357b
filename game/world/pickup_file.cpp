#include "game/world/pickup_file.h"

#include <algorithm>
#include <filesystem>

#include "core/data_reader.h"
#include "core/files.h"
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
  std::vector<std::string> names;
  const std::optional<std::filesystem::path> folder = root.find(kPickupFolder);
  if (!folder || root.files().kind(*folder) != core::Files::Kind::folder) return names;
  const auto entries = root.files().list(*folder);
  if (!entries) return names;
  for (const core::Files::Entry& entry : *entries) {
    const std::string& name = entry.name;
    if (name.size() < 4 || core::fold_case(name.substr(name.size() - 4)) != ".pkp") continue;
    // A link is not rewritten: the rewrite would replace it by a file.
    if (entry.kind != core::Files::Kind::file) continue;
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
