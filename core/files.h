#pragma once
// Every file operation of the game and its tools, on real paths that a
// DataRoot has resolved. PosixFiles is the disk; FaultyFiles lays failures
// over another implementation for tests and the runner's `fault N`;
// MemoryFiles (core/memory_files.h) holds a data set in memory.
//
// The regular-file rule lives here: a data file is a regular file, reached
// through links (Kind::file); a FIFO, a device or a folder at a data path is
// not one. A listing gives each entry's own kind, so a link there is
// Kind::other (the pickup files a new game rewrites are the entries that are
// themselves regular files: rewriting a link would replace it).
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class DataRoot;

class Files {
 public:
  enum class Kind { none, file, folder, other };
  struct Entry {
    std::string name;
    Kind kind;  // the entry itself, links not followed
  };
  // What identifies a folder's state: a listing made at one stamp holds
  // while the folder shows the same stamp.
  struct Stamp {
    uint64_t device = 0, node = 0;
    int64_t sec = 0, nsec = 0;  // last change
    bool operator==(const Stamp& o) const {
      return device == o.device && node == o.node && sec == o.sec && nsec == o.nsec;
    }
  };

  virtual ~Files() = default;

  // The kind of the entry at path; links are followed unless own is set.
  virtual Kind kind(const std::filesystem::path& path, bool own = false) = 0;
  // The bytes of a regular file (links followed), or nothing when it is
  // missing, is no regular file or cannot be read. Never blocks on a FIFO.
  virtual std::optional<std::string> read(const std::filesystem::path& file) = 0;
  // A folder's entries in no particular order (nothing when it is no folder).
  virtual std::optional<std::vector<Entry>> list(const std::filesystem::path& folder) = 0;
  // A folder's stamp, or nothing when it is no folder.
  virtual std::optional<Stamp> stamp(const std::filesystem::path& folder) = 0;
  // Seconds of the clock that stamps use: a listing made in the second of its
  // folder's last change is not trusted, as the folder may change again
  // within the same stamp.
  virtual int64_t now() = 0;
  // Makes one folder (its parent exists); false when it cannot.
  virtual bool make_folder(const std::filesystem::path& folder) = 0;

  // The steps of a safe rewrite (core/safe_rewrite.h), each answering 0 or an
  // errno value. create makes the temporary file new (a stale file or link at
  // its name goes first) with the permissions of `like` when that exists;
  // write takes one line's bytes, flush hands the bytes to the system, sync
  // puts them on disk when durable, close ends the file, rename replaces.
  using Handle = int;
  virtual int create(const std::filesystem::path& temp, const std::filesystem::path& like,
                     Handle& handle) = 0;
  virtual int write(Handle handle, std::string_view bytes) = 0;
  virtual int flush(Handle handle) = 0;
  virtual int sync(Handle handle, bool durable) = 0;
  virtual int close(Handle handle) = 0;
  virtual int rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Unrolling and durability, never failing a rewrite once done: drops a
  // file (a handle still open is closed first when given), syncs the whole
  // file system a folder lies on, syncs a folder's entries.
  virtual void remove(const std::filesystem::path& file, Handle open = -1) = 0;
  virtual int sync_all(const std::filesystem::path& folder) = 0;
  virtual void sync_folder(const std::filesystem::path& folder) = 0;
  // The real path of a folder (links followed), for the check that a write
  // stays inside the data folder.
  virtual std::optional<std::filesystem::path> real(const std::filesystem::path& folder) = 0;
};

// The disk, shared by every root that does not name another.
std::shared_ptr<Files> posix_files();

// Another implementation with chosen failures: the n-th read (counted from
// when it is set) finds nothing, the n-th write step (create, each line,
// flush, sync, close, rename) fails as if the disk were full, and a file set
// to vanish is removed just before it is read, after any lookup of it.
class FaultyFiles : public Files {
 public:
  explicit FaultyFiles(std::shared_ptr<Files> inner) : inner_(std::move(inner)) {}
  // Lays a new FaultyFiles over the files of the root (and of its copies).
  static std::shared_ptr<FaultyFiles> over(const DataRoot& root);
  void fail_read(int n) { read_fault_ = n, reads_ = 0; }
  void fail_write_step(int n) { step_fault_ = n, steps_ = 0; }
  void vanish(const std::filesystem::path& file) { vanishing_ = file; }
  int write_steps() const { return steps_; }
  const std::shared_ptr<Files>& inner() const { return inner_; }

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
  void remove(const std::filesystem::path& file, Handle open) override;
  int sync_all(const std::filesystem::path& folder) override;
  void sync_folder(const std::filesystem::path& folder) override;
  std::optional<std::filesystem::path> real(const std::filesystem::path& folder) override;

 private:
  // Counts one write step; the errno of the injected failure when it is due.
  int step();

  std::shared_ptr<Files> inner_;
  int read_fault_ = 0, reads_ = 0;
  int step_fault_ = 0, steps_ = 0;
  std::filesystem::path vanishing_;
};

}  // namespace core
