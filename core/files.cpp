#include "core/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <mutex>
#include <system_error>
#include <unordered_map>

#include "core/paths.h"

namespace fs = std::filesystem;

namespace core {

namespace {

// The one regular-file rule: what a stat says about an entry.
Files::Kind kind_of(const struct stat& st) {
  if (S_ISREG(st.st_mode)) return Files::Kind::file;
  if (S_ISDIR(st.st_mode)) return Files::Kind::folder;
  return Files::Kind::other;
}

class PosixFiles : public Files {
 public:
  Kind kind(const fs::path& path, bool own) override {
    struct stat st {};
    if ((own ? ::lstat(path.c_str(), &st) : ::stat(path.c_str(), &st)) != 0) return Kind::none;
    return kind_of(st);
  }

  std::optional<std::string> read(const fs::path& file) override {
    // Opened without blocking and checked on the open file itself: a FIFO,
    // a device or a folder is no data file and is never waited on.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || kind_of(st) != Kind::file) {
      ::close(fd);
      return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[1 << 16];
    while (true) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        ::close(fd);
        return std::nullopt;
      }
      if (n == 0) break;
      bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
  }

  std::optional<std::vector<Entry>> list(const fs::path& folder) override {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return std::nullopt;
    std::vector<Entry> entries;
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
      std::error_code type_ec;
      const fs::file_type type = it->symlink_status(type_ec).type();
      const Kind k = type == fs::file_type::regular     ? Kind::file
                     : type == fs::file_type::directory ? Kind::folder
                                                        : Kind::other;
      entries.push_back({it->path().filename().string(), k});
    }
    return entries;
  }

  std::optional<Stamp> stamp(const fs::path& folder) override {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    return Stamp{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
                 st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
  }

  int64_t now() override {
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec;
  }

  bool make_folder(const fs::path& folder) override { return ::mkdir(folder.c_str(), 0777) == 0; }

  int create(const fs::path& temp, const fs::path& like, Handle& handle) override {
    // The new file keeps the permissions of the one it replaces.
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(like.c_str(), &st) == 0) mode = st.st_mode & 07777;
    // The temporary file is always made new: a stale one (or a link placed
    // at its name) goes first, and the open neither follows a link nor
    // reuses a file that appeared meanwhile.
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT) return errno;
    handle = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (handle < 0) return errno;
    (void)::fchmod(handle, mode);
    std::lock_guard<std::mutex> lock(mutex_);
    pending_[handle].clear();
    return 0;
  }

  // Lines gather in memory and go to the kernel in one piece at the flush.
  int write(Handle handle, std::string_view bytes) override {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_[handle].append(bytes);
    return 0;
  }

  int flush(Handle handle) override {
    std::string bytes;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      bytes.swap(pending_[handle]);
    }
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
      const ssize_t n = ::write(handle, p, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return n < 0 ? errno : EIO;
      p += n;
      left -= static_cast<size_t>(n);
    }
    return 0;
  }

  int sync(Handle handle, bool durable) override {
    return durable && ::fsync(handle) != 0 ? errno : 0;
  }

  int close(Handle handle) override {
    forget(handle);
    return ::close(handle) == 0 ? 0 : errno;
  }

  int rename(const fs::path& from, const fs::path& to) override {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
  }

  void remove(const fs::path& file, Handle open) override {
    if (open >= 0) {
      forget(open);
      ::close(open);
    }
    ::unlink(file.c_str());
  }

  int sync_all(const fs::path& folder) override {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int synced = ::syncfs(fd);
    const int error = errno;
    ::close(fd);
    return synced == 0 ? 0 : error;
  }

  void sync_folder(const fs::path& folder) override {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
  }

  std::optional<fs::path> real(const fs::path& folder) override {
    std::error_code ec;
    fs::path real = fs::canonical(folder, ec);
    if (ec) return std::nullopt;
    return real;
  }

 private:
  void forget(Handle handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_.erase(handle);
  }

  std::mutex mutex_;
  std::unordered_map<Handle, std::string> pending_;
};

}  // namespace

std::shared_ptr<Files> posix_files() {
  static const std::shared_ptr<Files> disk = std::make_shared<PosixFiles>();
  return disk;
}

std::shared_ptr<FaultyFiles> FaultyFiles::over(const DataRoot& root) {
  auto faults = std::make_shared<FaultyFiles>(nullptr);
  faults->inner_ = root.use_files(faults);
  return faults;
}

int FaultyFiles::step() {
  if (steps_ < std::numeric_limits<int>::max()) ++steps_;
  return step_fault_ > 0 && steps_ == step_fault_ ? ENOSPC : 0;
}

Files::Kind FaultyFiles::kind(const fs::path& path, bool own) {
  return inner_->kind(path, own);
}

std::optional<std::string> FaultyFiles::read(const fs::path& file) {
  if (!vanishing_.empty() && file == vanishing_) inner_->remove(file);
  if (reads_ < std::numeric_limits<int>::max()) ++reads_;
  if (read_fault_ > 0 && reads_ == read_fault_) return std::nullopt;
  return inner_->read(file);
}

std::optional<std::vector<Files::Entry>> FaultyFiles::list(const fs::path& folder) {
  return inner_->list(folder);
}

std::optional<Files::Stamp> FaultyFiles::stamp(const fs::path& folder) {
  return inner_->stamp(folder);
}

int64_t FaultyFiles::now() {
  return inner_->now();
}

bool FaultyFiles::make_folder(const fs::path& folder) {
  return inner_->make_folder(folder);
}

int FaultyFiles::create(const fs::path& temp, const fs::path& like, Handle& handle) {
  if (const int error = step()) return error;
  return inner_->create(temp, like, handle);
}

int FaultyFiles::write(Handle handle, std::string_view bytes) {
  if (const int error = step()) return error;
  return inner_->write(handle, bytes);
}

int FaultyFiles::flush(Handle handle) {
  if (const int error = step()) return error;
  return inner_->flush(handle);
}

int FaultyFiles::sync(Handle handle, bool durable) {
  if (const int error = step()) return error;
  return inner_->sync(handle, durable);
}

int FaultyFiles::close(Handle handle) {
  // A failed close still ends the file, as on the disk.
  const int error = step();
  const int closed = inner_->close(handle);
  return error ? error : closed;
}

int FaultyFiles::rename(const fs::path& from, const fs::path& to) {
  if (const int error = step()) return error;
  return inner_->rename(from, to);
}

void FaultyFiles::remove(const fs::path& file, Handle open) {
  inner_->remove(file, open);
}

int FaultyFiles::sync_all(const fs::path& folder) {
  return inner_->sync_all(folder);
}

void FaultyFiles::sync_folder(const fs::path& folder) {
  inner_->sync_folder(folder);
}

std::optional<fs::path> FaultyFiles::real(const fs::path& folder) {
  return inner_->real(folder);
}

}  // namespace core
