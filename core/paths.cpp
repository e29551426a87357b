#include "core/paths.h"

#include <algorithm>
#include <system_error>
#include <utility>
#include <vector>

#include "core/data_error.h"

namespace fs = std::filesystem;

namespace core {

namespace {

constexpr const char* kLeaves = "Path leaves the data folder";
constexpr const char* kNotFound = "Path not found";

// The components of a game path. A trailing separator leaves an empty last
// component (the path names a folder). "." components are dropped.
std::vector<std::string> split_game_path(std::string_view game_path) {
  if (!game_path.empty() && (game_path.front() == '\\' || game_path.front() == '/'))
    throw DataError(kLeaves, std::string(game_path));
  const bool letter = !game_path.empty() && ((game_path[0] >= 'A' && game_path[0] <= 'Z') ||
                                             (game_path[0] >= 'a' && game_path[0] <= 'z'));
  if (letter && game_path.size() >= 2 && game_path[1] == ':')  // a drive letter
    throw DataError(kLeaves, std::string(game_path));
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t end = game_path.find_first_of("\\/", start);
    const bool last = end == std::string_view::npos;
    std::string part(game_path.substr(start, last ? std::string_view::npos : end - start));
    if (part == "..") throw DataError(kLeaves, std::string(game_path));
    if (part.empty() && !last) throw DataError(kLeaves, std::string(game_path));
    if (part != ".") parts.push_back(std::move(part));
    if (last) break;
    start = end + 1;
  }
  return parts;
}

bool is_dir(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec);
}

bool entry_exists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(p, ec));
}

// Entries of dir whose name equals name ignoring case: the exact spelling
// first, then the others in name order.
std::vector<fs::path> matching_entries(const fs::path& dir, const std::string& name) {
  std::vector<fs::path> result;
  if (name.find('\0') != std::string::npos) return result;
  const fs::path exact = dir / fs::path(name);
  if (entry_exists(exact)) result.push_back(exact);
  const std::string folded = fold_case(name);
  std::vector<fs::path> others;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (entry != name && fold_case(entry) == folded) others.push_back(it->path());
  }
  std::sort(others.begin(), others.end());
  result.insert(result.end(), others.begin(), others.end());
  return result;
}

// Resolves the folder components (all but the last); nothing when one is
// missing.
std::optional<fs::path> resolve_folders(const fs::path& root,
                                        const std::vector<std::string>& parts) {
  fs::path current = root;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    std::optional<fs::path> next;
    for (const fs::path& candidate : matching_entries(current, parts[i])) {
      if (is_dir(candidate)) {
        next = candidate;
        break;
      }
    }
    if (!next) return std::nullopt;
    current = std::move(*next);
  }
  return current;
}

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else {  // only Cyrillic letters are produced here: two bytes
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string fold_case(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    const auto b0 = static_cast<unsigned char>(utf8[pos]);
    if (b0 >= 'A' && b0 <= 'Z') {
      out += static_cast<char>(b0 - 'A' + 'a');
      ++pos;
      continue;
    }
    // Two-byte characters U+0400..U+04FF start with 0xD0..0xD3.
    if (b0 >= 0xD0 && b0 <= 0xD3 && pos + 1 < utf8.size() &&
        (static_cast<unsigned char>(utf8[pos + 1]) & 0xC0) == 0x80) {
      char32_t cp = ((b0 & 0x1F) << 6) | (static_cast<unsigned char>(utf8[pos + 1]) & 0x3F);
      if (cp >= 0x0410 && cp <= 0x042F) {
        cp += 0x20;  // А..Я
      } else if (cp >= 0x0400 && cp <= 0x040F) {
        cp += 0x50;  // Ѐ..Џ, Ё included
      } else if (cp == 0x0490) {
        cp = 0x0491;  // Ґ
      }
      append_utf8(out, cp);
      pos += 2;
      continue;
    }
    out += static_cast<char>(b0);
    ++pos;
  }
  return out;
}

DataRoot::DataRoot(fs::path root) : root_(std::move(root)) {}

std::optional<fs::path> DataRoot::find(std::string_view game_path) const {
  const std::vector<std::string> parts = split_game_path(game_path);
  if (parts.empty()) return root_;
  std::optional<fs::path> folder = resolve_folders(root_, parts);
  if (!folder) return std::nullopt;
  if (parts.back().empty()) return folder;  // "data\levels\" names the folder itself
  std::vector<fs::path> matches = matching_entries(*folder, parts.back());
  if (matches.empty()) return std::nullopt;
  return matches.front();
}

fs::path DataRoot::for_write(std::string_view game_path) const {
  const std::vector<std::string> parts = split_game_path(game_path);
  if (parts.empty() || parts.back().empty() || parts.back().find('\0') != std::string::npos)
    throw DataError(kNotFound, std::string(game_path));
  std::optional<fs::path> folder = resolve_folders(root_, parts);
  if (!folder) throw DataError(kNotFound, std::string(game_path));
  std::vector<fs::path> matches = matching_entries(*folder, parts.back());
  if (!matches.empty()) return matches.front();
  return *folder / fs::path(parts.back());
}

}  // namespace core
