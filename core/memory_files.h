#pragma once
// A data set held in memory: folders and regular files only, no links.
// Copies are cheap (file contents are shared until written), so a base set
// loaded once can be copied for each run and the run's changes dropped.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>

#include "core/files.h"

namespace core {

class MemoryFiles : public Files {
 public:
  // An empty set holding only the folder `top`.
  explicit MemoryFiles(const std::filesystem::path& top);
  // The files and folders below the disk folder `from`, placed below `top`;
  // throws std::runtime_error when the folder or one of its files cannot be
  // read, rather than give a set loaded short.
  static MemoryFiles load(const std::filesystem::path& from, const std::filesystem::path& top);
  // Puts a file's bytes (its folder must exist).
  void put(const std::filesystem::path& file, std::string bytes);

  Kind kind(const std::filesystem::path& path, bool own) override;
  std::optional<std::string> read(const std::filesystem::path& file) override;
  std::optional<std::vector<Entry>> list(const std::filesystem::path& folder) override;
  std::optional<Stamp> stamp(const std::filesystem::path& folder) override;
  int64_t now() override;
  bool make_folder(const std::filesystem::path& folder) override;
  int create(const std::filesystem::path& temp, const std::filesystem::path& like,
             Handle& handle) override;
  int write(Handle handle, std::string_view bytes) override;
  int flush(Handle handle) override;
  int sync(Handle handle, bool durable) override;
  int close(Handle handle) override;
  int rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  void remove(const std::filesystem::path& file, Handle open = -1) override;
  int sync_all(const std::filesystem::path& folder) override;
  void sync_folder(const std::filesystem::path& folder) override;
  std::optional<std::filesystem::path> real(const std::filesystem::path& folder) override;

 private:
  struct Node {
    bool folder = false;
    std::shared_ptr<const std::string> bytes;  // a file's content
    std::set<std::string> names;               // a folder's entries
    int64_t changed = 0;                       // a folder's last change
  };
  Node* node(const std::filesystem::path& path);
  // The folder holding path, or nullptr.
  Node* parent(const std::filesystem::path& path);
  void add(const std::filesystem::path& path, Node n);

  std::unordered_map<std::string, Node> nodes_;
  std::map<Handle, std::pair<std::string, std::string>> open_;  // path, bytes written
  Handle next_handle_ = 0;
};

}  // namespace core
