#include "core/paths.h"

#include <algorithm>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/data_error.h"
#include "core/files.h"

namespace fs = std::filesystem;

namespace core {

namespace {

constexpr const char* kLeaves = "Path leaves the data folder";
constexpr const char* kNotFound = "Path not found";

// Whether a game path is absolute (a leading separator, a drive letter) or
// has a ".." or an empty component before its last one.
bool path_leaves(std::string_view game_path) {
  if (!game_path.empty() && (game_path.front() == '\\' || game_path.front() == '/')) return true;
  const bool letter = !game_path.empty() && ((game_path[0] >= 'A' && game_path[0] <= 'Z') ||
                                             (game_path[0] >= 'a' && game_path[0] <= 'z'));
  if (letter && game_path.size() >= 2 && game_path[1] == ':') return true;  // a drive letter
  size_t start = 0;
  while (true) {
    const size_t end = game_path.find_first_of("\\/", start);
    const bool last = end == std::string_view::npos;
    const std::string_view part =
        game_path.substr(start, last ? std::string_view::npos : end - start);
    if (part == ".." || (part.empty() && !last)) return true;
    if (last) return false;
    start = end + 1;
  }
}

// The components of a game path. A trailing separator leaves an empty last
// component (the path names a folder). "." components are dropped.
std::vector<std::string> split_game_path(std::string_view game_path) {
  if (path_leaves(game_path)) throw DataError(kLeaves, std::string(game_path));
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    const size_t end = game_path.find_first_of("\\/", start);
    const bool last = end == std::string_view::npos;
    std::string part(game_path.substr(start, last ? std::string_view::npos : end - start));
    if (part != ".") parts.push_back(std::move(part));
    if (last) break;
    start = end + 1;
  }
  return parts;
}

}  // namespace

// The files a root works through, and the names of its folders, grouped by
// their case-folded form, each group in name order. A listing is reused while
// the folder shows the same stamp (the same folder, unchanged), so N lookups
// in one folder cost one listing. A folder changed less than a second before
// it was listed may change again within the same stamp: such a listing is not
// trusted and the folder is listed again on the next lookup.
struct DataRoot::Shared {
  struct Listing {
    Files::Stamp stamp;
    int64_t listed_at = 0;
    std::unordered_map<std::string, std::vector<std::string>> by_folded;
  };
  std::shared_ptr<Files> files;
  std::unordered_map<std::string, Listing> folders;
  int listings_made = 0;

  const std::vector<std::string>* names(const fs::path& dir, const std::string& folded) {
    const std::optional<Files::Stamp> stamp = files->stamp(dir);
    if (!stamp) return nullptr;
    Listing& l = folders[dir.native()];
    const bool same = l.stamp == *stamp;
    const bool settled = stamp->sec + 1 < l.listed_at;
    if (!same || !settled) {
      if (folders.size() > kMaxFolders) {  // a bound on memory, not a policy
        folders.clear();
        return names(dir, folded);
      }
      l = Listing{};
      l.stamp = *stamp;
      l.listed_at = files->now();
      if (std::optional<std::vector<Files::Entry>> entries = files->list(dir))
        for (Files::Entry& entry : *entries)
          l.by_folded[fold_case(entry.name)].push_back(std::move(entry.name));
      for (auto& [key, group] : l.by_folded) std::sort(group.begin(), group.end());
      ++listings_made;
    }
    auto it = l.by_folded.find(folded);
    return it == l.by_folded.end() ? nullptr : &it->second;
  }

  static constexpr size_t kMaxFolders = 4096;
};

// The entry of dir named `name` ignoring case: the exact spelling first, then
// the others in name order; with want_dir only a folder counts.
std::optional<fs::path> DataRoot::match(const fs::path& dir, const std::string& name,
                                        bool want_dir) const {
  if (name.find('\0') != std::string::npos) return std::nullopt;
  const fs::path exact = dir / fs::path(name);
  Files& files = *shared_->files;
  if (want_dir ? files.kind(exact) == Files::Kind::folder
               : files.kind(exact, true) != Files::Kind::none)
    return exact;
  const std::vector<std::string>* group = shared_->names(dir, fold_case(name));
  if (!group) return std::nullopt;
  for (const std::string& entry : *group) {
    if (entry == name) continue;
    fs::path candidate = dir / fs::path(entry);
    if (!want_dir || files.kind(candidate) == Files::Kind::folder) return candidate;
  }
  return std::nullopt;
}

// Resolves the folder components (all but the last); nothing when one is
// missing.
std::optional<fs::path> DataRoot::resolve_folders(const std::vector<std::string>& parts) const {
  fs::path current = root_;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    std::optional<fs::path> next = match(current, parts[i], true);
    if (!next) return std::nullopt;
    current = std::move(*next);
  }
  return current;
}

int DataRoot::listings_made() const {
  return shared_->listings_made;
}

Files& DataRoot::files() const {
  return *shared_->files;
}

std::shared_ptr<Files> DataRoot::use_files(std::shared_ptr<Files> files) const {
  shared_->folders.clear();
  files.swap(shared_->files);
  return files;
}

namespace {

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

DataRoot::DataRoot(fs::path root, std::shared_ptr<Files> files)
    : root_(std::move(root)), shared_(std::make_shared<Shared>()) {
  shared_->files = files ? std::move(files) : posix_files();
}

std::optional<fs::path> DataRoot::find(std::string_view game_path) const {
  const std::vector<std::string> parts = split_game_path(game_path);
  if (parts.empty()) return root_;
  std::optional<fs::path> folder = resolve_folders(parts);
  if (!folder) return std::nullopt;
  if (parts.back().empty()) return folder;  // "data\levels\" names the folder itself
  return match(*folder, parts.back(), false);
}

std::optional<fs::path> DataRoot::find_inside(std::string_view game_path) const {
  if (leaves(game_path)) return std::nullopt;
  return find(game_path);
}

bool DataRoot::leaves(std::string_view game_path) {
  return path_leaves(game_path);
}

fs::path DataRoot::for_write(std::string_view game_path) const {
  const std::vector<std::string> parts = split_game_path(game_path);
  if (parts.empty() || parts.back().empty() || parts.back().find('\0') != std::string::npos)
    throw DataError(kNotFound, std::string(game_path));
  std::optional<fs::path> folder = resolve_folders(parts);
  if (!folder) throw DataError(kNotFound, std::string(game_path));
  if (std::optional<fs::path> existing = match(*folder, parts.back(), false)) return *existing;
  return *folder / fs::path(parts.back());
}

fs::path DataRoot::for_write_exact(std::string_view game_path) const {
  const std::vector<std::string> parts = split_game_path(game_path);
  if (parts.empty() || parts.back().empty() || parts.back().find('\0') != std::string::npos)
    throw DataError(kNotFound, std::string(game_path));
  std::optional<fs::path> folder = resolve_folders(parts);
  if (!folder) throw DataError(kNotFound, std::string(game_path));
  return *folder / fs::path(parts.back());
}

}  // namespace core
