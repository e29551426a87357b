#include "core/memory_files.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace core {

namespace {

// Every change of any set gets a number never given before, so a listing
// made of one set is never taken for another's (a copy included).
int64_t next_change() {
  static int64_t changes = 0;
  return ++changes;
}

}  // namespace

MemoryFiles::MemoryFiles(const fs::path& top) {
  Node root;
  root.folder = true;
  root.changed = next_change();
  nodes_[top.string()] = std::move(root);
}

MemoryFiles MemoryFiles::load(const fs::path& from, const fs::path& top) {
  // A set loaded short would make every use of it quietly meaningless.
  auto fail = [&](const fs::path& what, const std::string& why) {
    throw std::runtime_error("cannot load " + what.string() + " into memory: " + why);
  };
  std::error_code ec;
  if (!fs::is_directory(from, ec)) fail(from, "not a folder");
  MemoryFiles files(top);
  fs::recursive_directory_iterator it(from, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const fs::path to = top / it->path().lexically_relative(from);
    if (it->is_directory()) {
      files.make_folder(to);
    } else if (it->is_regular_file()) {
      std::ifstream in(it->path(), std::ios::binary);
      std::string bytes(std::istreambuf_iterator<char>(in), {});
      if (in.bad() || !in.is_open()) fail(it->path(), "unreadable");
      files.put(to, std::move(bytes));
    }
  }
  if (ec) fail(from, ec.message());
  return files;
}

MemoryFiles::Node* MemoryFiles::node(const fs::path& path) {
  auto it = nodes_.find(path.native());
  return it == nodes_.end() ? nullptr : &it->second;
}

MemoryFiles::Node* MemoryFiles::parent(const fs::path& path) {
  Node* p = node(path.parent_path());
  return p && p->folder ? p : nullptr;
}

void MemoryFiles::add(const fs::path& path, Node n) {
  Node* folder = parent(path);
  folder->names.insert(path.filename().string());
  folder->changed = next_change();
  nodes_[path.string()] = std::move(n);
}

void MemoryFiles::put(const fs::path& file, std::string bytes) {
  Node n;
  n.bytes = std::make_shared<const std::string>(std::move(bytes));
  if (Node* existing = node(file)) {
    if (!existing->folder) *existing = std::move(n);
  } else if (parent(file)) {
    add(file, std::move(n));
  }
}

Files::Kind MemoryFiles::kind(const fs::path& path, bool) {
  const Node* n = node(path);
  return !n ? Kind::none : n->folder ? Kind::folder : Kind::file;
}

std::optional<std::string> MemoryFiles::read(const fs::path& file) {
  const Node* n = node(file);
  if (!n || n->folder) return std::nullopt;
  return *n->bytes;
}

std::optional<std::vector<Files::Entry>> MemoryFiles::list(const fs::path& folder) {
  const Node* n = node(folder);
  if (!n || !n->folder) return std::nullopt;
  std::vector<Entry> entries;
  for (const std::string& name : n->names)
    entries.push_back({name, node(folder / name)->folder ? Kind::folder : Kind::file});
  return entries;
}

std::optional<Files::Stamp> MemoryFiles::stamp(const fs::path& folder) {
  const Node* n = node(folder);
  if (!n || !n->folder) return std::nullopt;
  return Stamp{0, 0, n->changed, 0};
}

// Changes are numbered, not timed: every listing is settled.
int64_t MemoryFiles::now() {
  return std::numeric_limits<int64_t>::max();
}

bool MemoryFiles::make_folder(const fs::path& folder) {
  if (node(folder) || !parent(folder)) return false;
  Node n;
  n.folder = true;
  n.changed = next_change();
  add(folder, std::move(n));
  return true;
}

int MemoryFiles::create(const fs::path& temp, const fs::path&, Handle& handle) {
  if (!parent(temp)) return ENOENT;
  if (const Node* n = node(temp); n && n->folder) return EISDIR;
  put(temp, {});
  handle = next_handle_++;
  open_[handle] = {temp.string(), {}};
  return 0;
}

int MemoryFiles::write(Handle handle, std::string_view bytes) {
  auto it = open_.find(handle);
  if (it == open_.end()) return EBADF;
  it->second.second.append(bytes);
  return 0;
}

int MemoryFiles::flush(Handle handle) {
  auto it = open_.find(handle);
  if (it == open_.end()) return EBADF;
  Node* n = node(it->second.first);
  if (!n) return ENOENT;  // removed while open: the bytes go nowhere
  n->bytes = std::make_shared<const std::string>(it->second.second);
  return 0;
}

int MemoryFiles::sync(Handle handle, bool) {
  return open_.count(handle) ? 0 : EBADF;
}

int MemoryFiles::close(Handle handle) {
  return open_.erase(handle) ? 0 : EBADF;
}

int MemoryFiles::rename(const fs::path& from, const fs::path& to) {
  Node* n = node(from);
  if (!n) return ENOENT;
  if (!parent(to)) return ENOENT;
  if (const Node* there = node(to); there && there->folder) return EISDIR;
  if (n->folder) return EISDIR;  // only files are renamed here
  if (from == to) return 0;
  Node moved = std::move(*n);
  remove(from, -1);
  if (Node* there = node(to)) {
    *there = std::move(moved);
    parent(to)->changed = next_change();
  } else {
    add(to, std::move(moved));
  }
  return 0;
}

void MemoryFiles::remove(const fs::path& file, Handle open) {
  if (open >= 0) open_.erase(open);
  Node* n = node(file);
  if (!n || n->folder) return;
  Node* folder = parent(file);
  folder->names.erase(file.filename().string());
  folder->changed = next_change();
  nodes_.erase(file.string());
}

int MemoryFiles::sync_all(const fs::path&) {
  return 0;
}

void MemoryFiles::sync_folder(const fs::path&) {}

std::optional<fs::path> MemoryFiles::real(const fs::path& folder) {
  const Node* n = node(folder);
  if (!n || !n->folder) return std::nullopt;
  return folder;
}

}  // namespace core
