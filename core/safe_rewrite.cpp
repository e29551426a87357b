#include "core/safe_rewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>

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

void safe_rewrite(const DataRoot& root, const std::string& file, const std::string& temp,
                  const std::vector<std::string>& lines) {
  const fs::path target = root.for_write(file);
  const fs::path temp_path = root.for_write(temp);
  if (target == temp_path)
    throw DataError("Cannot write file: the temporary file is the file itself", file);

  // The new file keeps the permissions of the one it replaces.
  mode_t mode = 0644;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;

  int fd = -1;
  bool created = false;
  try {
    begin_step();
    fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    check(fd >= 0);
    created = true;
    (void)::fchmod(fd, mode);
    for (const std::string& line : lines) {
      begin_step();
      write_all(fd, utf8_to_cp1251(line) + "\r\n");
    }
    // Lines go straight to the kernel, so there is no user-space buffer left
    // to flush; the step is kept so the step count stays the same.
    begin_step();
    begin_step();
    check(::fsync(fd) == 0);
    begin_step();
    const int closing = fd;
    fd = -1;
    check(::close(closing) == 0);
    begin_step();
    check(::rename(temp_path.c_str(), target.c_str()) == 0);
  } catch (const StepFailed& failed) {
    if (fd >= 0) ::close(fd);
    if (created) ::unlink(temp_path.c_str());
    throw DataError(std::string("Cannot write file: ") + std::strerror(failed.error), file);
  }
  sync_folder(target.parent_path());
}

}  // namespace core
