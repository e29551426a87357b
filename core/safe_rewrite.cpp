#include "core/safe_rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <set>

#include "core/cp1251.h"
#include "core/data_error.h"

namespace fs = std::filesystem;

namespace core {

namespace {

int g_fault_step = 0;
int g_steps_done = 0;

// Thrown inside the rewrite when a step fails; carries errno.
struct StepFailed {
  int error;
};

// Counts one write step and fails it when it is the injected one.
void begin_step() {
  if (g_steps_done < std::numeric_limits<int>::max()) ++g_steps_done;
  if (g_fault_step > 0 && g_steps_done == g_fault_step) throw StepFailed{ENOSPC};
}

void check(bool ok) {
  if (!ok) throw StepFailed{errno};
}

void write_all(int fd, const std::string& bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    check(n > 0);
    p += n;
    left -= static_cast<size_t>(n);
  }
}

void sync_folder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // The rename has happened; a failure here cannot be undone and is not
  // reported.
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

void inject_write_fault(int step) {
  g_fault_step = step;
  g_steps_done = 0;
}

int write_steps_done() {
  return g_steps_done;
}

namespace {

struct Target {
  fs::path file;
  fs::path temp;
  mode_t mode = 0644;
};

// Whether the real folder (links followed) lies inside the real data folder.
bool inside(const fs::path& real_root, const fs::path& folder) {
  std::error_code ec;
  const fs::path real = fs::canonical(folder, ec);
  if (ec) return false;
  auto r = real_root.begin();
  auto f = real.begin();
  for (; r != real_root.end(); ++r, ++f)
    if (f == real.end() || *f != *r) return false;
  return true;
}

// The folders already found inside the data folder, for many rewrites at once.
struct InsideCheck {
  const DataRoot& root;
  fs::path real_root;
  bool root_ok = false;
  std::set<fs::path> known;

  explicit InsideCheck(const DataRoot& r) : root(r) {
    std::error_code ec;
    real_root = fs::canonical(root.root(), ec);
    root_ok = !ec;
  }
  bool operator()(const fs::path& folder) {
    if (!root_ok) return false;
    if (known.count(folder)) return true;
    if (!inside(real_root, folder)) return false;
    known.insert(folder);
    return true;
  }
};

Target resolve(const DataRoot& root, const std::string& file, const std::string& temp,
               InsideCheck& inside_data) {
  // The file is the one a reader of the same path reads; the temporary file
  // is taken exactly as named, so a case twin of it (a stale "X.pkp.tmp"
  // beside "x.pkp.tmp") is never shared between two files.
  Target t{root.for_write(file), root.for_write_exact(temp)};
  if (t.file.parent_path() == t.temp.parent_path() &&
      fold_case(t.file.filename().string()) == fold_case(t.temp.filename().string()))
    throw DataError("Cannot write file: the temporary file is the file itself", file);
  // A folder that is a link to elsewhere would take the write out of the
  // data folder.
  if (!inside_data(t.file.parent_path()) || !inside_data(t.temp.parent_path()))
    throw DataError("Cannot write file: the path leaves the data folder", file);
  // The new file keeps the permissions of the one it replaces.
  struct stat st {};
  if (::stat(t.file.c_str(), &st) == 0) t.mode = st.st_mode & 07777;
  return t;
}

// Writes the complete new content to the temporary file; with `durable` it is
// synced to disk before the file is closed. Every line counts as one write
// step for fault injection, though the bytes go to the kernel in one piece.
void write_temp(const Target& t, const std::vector<std::string>& lines, bool durable) {
  int fd = -1;
  bool created = false;
  try {
    begin_step();
    // The temporary file is always made new: a stale one (or a link placed
    // at its name) goes first, and the open neither follows a link nor
    // reuses a file that appeared meanwhile.
    if (::unlink(t.temp.c_str()) != 0) check(errno == ENOENT);
    fd = ::open(t.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    check(fd >= 0);
    created = true;
    (void)::fchmod(fd, t.mode);
    std::string bytes;
    for (const std::string& line : lines) {
      begin_step();
      bytes += utf8_to_cp1251(line);
      bytes += "\r\n";
    }
    begin_step();
    write_all(fd, bytes);
    begin_step();
    if (durable) check(::fsync(fd) == 0);
    begin_step();
    const int closing = fd;
    fd = -1;
    check(::close(closing) == 0);
  } catch (const StepFailed&) {
    if (fd >= 0) ::close(fd);
    if (created) ::unlink(t.temp.c_str());
    throw;
  }
}

void replace(const Target& t) {
  begin_step();
  check(::rename(t.temp.c_str(), t.file.c_str()) == 0);
}

[[noreturn]] void fail(const StepFailed& failed, const std::string& file) {
  throw DataError(std::string("Cannot write file: ") + std::strerror(failed.error), file);
}

}  // namespace

void safe_rewrite(const DataRoot& root, const std::string& file, const std::string& temp,
                  const std::vector<std::string>& lines) {
  InsideCheck inside_data(root);
  const Target t = resolve(root, file, temp, inside_data);
  try {
    write_temp(t, lines, true);
    replace(t);
  } catch (const StepFailed& failed) {
    ::unlink(t.temp.c_str());
    fail(failed, file);
  }
  sync_folder(t.file.parent_path());
}

void safe_rewrite_all(const DataRoot& root, const std::vector<Rewrite>& rewrites) {
  std::vector<Target> targets;
  std::set<fs::path> temps;
  InsideCheck inside_data(root);
  for (const Rewrite& r : rewrites) {
    targets.push_back(resolve(root, r.file, r.temp, inside_data));
    // Two files sharing one temporary file would swap content.
    if (!temps.insert(targets.back().temp).second)
      throw DataError("Cannot write file: its temporary file is used twice", r.file);
  }
  size_t i = 0;
  bool renaming = false;
  try {
    // Every new content first, then one sync of the file system, then the
    // renames: each file is old or new at any moment, at the cost of one
    // sync instead of one per file.
    for (; i < rewrites.size(); ++i) write_temp(targets[i], rewrites[i].lines, false);
    if (!targets.empty()) {
      const int fd = ::open(targets[0].temp.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
      check(fd >= 0);
      const int synced = ::syncfs(fd);
      ::close(fd);
      check(synced == 0);
    }
    renaming = true;
    for (i = 0; i < rewrites.size(); ++i) replace(targets[i]);
  } catch (const StepFailed& failed) {
    // Temporary files not yet renamed go; the originals they were for stay.
    for (size_t j = renaming ? i : 0; j < targets.size(); ++j) ::unlink(targets[j].temp.c_str());
    fail(failed, i < rewrites.size() ? rewrites[i].file : rewrites.back().file);
  }
  std::vector<fs::path> folders;
  for (const Target& t : targets) {
    fs::path folder = t.file.parent_path();
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
      folders.push_back(folder);
      sync_folder(folder);
    }
  }
}

}  // namespace core
