#include "core/safe_rewrite.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

#include "core/cp1251.h"
#include "core/data_error.h"
#include "core/files.h"

namespace fs = std::filesystem;

namespace core {

namespace {

// Thrown inside the rewrite when a step fails; carries errno.
struct StepFailed {
  int error;
};

void check(int error) {
  if (error != 0) throw StepFailed{error};
}

struct Target {
  fs::path file;
  fs::path temp;
};

// The folders already found inside the data folder, for many rewrites at once.
struct InsideCheck {
  Files& files;
  std::optional<fs::path> real_root;
  std::set<fs::path> known;

  explicit InsideCheck(const DataRoot& root)
      : files(root.files()), real_root(files.real(root.root())) {}

  // Whether the real folder (links followed) lies inside the real data folder.
  bool operator()(const fs::path& folder) {
    if (!real_root) return false;
    if (known.count(folder)) return true;
    const std::optional<fs::path> real = files.real(folder);
    if (!real) return false;
    auto f = real->begin();
    for (auto r = real_root->begin(); r != real_root->end(); ++r, ++f)
      if (f == real->end() || *f != *r) return false;
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
  return t;
}

// Writes the complete new content to the temporary file; with `durable` it is
// synced to disk before the file is closed. The steps: create, each line,
// flush, sync, close.
void write_temp(Files& files, const Target& t, const std::vector<std::string>& lines,
                bool durable) {
  Files::Handle handle = -1;
  bool created = false;
  try {
    check(files.create(t.temp, t.file, handle));
    created = true;
    for (const std::string& line : lines) check(files.write(handle, utf8_to_cp1251(line) + "\r\n"));
    check(files.flush(handle));
    check(files.sync(handle, durable));
    const Files::Handle closing = handle;
    handle = -1;
    check(files.close(closing));
  } catch (const StepFailed&) {
    if (created) files.remove(t.temp, handle);
    throw;
  }
}

[[noreturn]] void fail(const StepFailed& failed, const std::string& file) {
  throw DataError(std::string("Cannot write file: ") + std::strerror(failed.error), file);
}

}  // namespace

void safe_rewrite(const DataRoot& root, const std::string& file, const std::string& temp,
                  const std::vector<std::string>& lines) {
  Files& files = root.files();
  InsideCheck inside_data(root);
  const Target t = resolve(root, file, temp, inside_data);
  try {
    write_temp(files, t, lines, true);
    check(files.rename(t.temp, t.file));
  } catch (const StepFailed& failed) {
    files.remove(t.temp);
    fail(failed, file);
  }
  // The rename has happened; a failure to sync the folder cannot be undone
  // and is not reported.
  files.sync_folder(t.file.parent_path());
}

void safe_rewrite_all(const DataRoot& root, const std::vector<Rewrite>& rewrites) {
  Files& files = root.files();
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
    for (; i < rewrites.size(); ++i) write_temp(files, targets[i], rewrites[i].lines, false);
    if (!targets.empty()) check(files.sync_all(targets[0].temp.parent_path()));
    renaming = true;
    for (i = 0; i < rewrites.size(); ++i) check(files.rename(targets[i].temp, targets[i].file));
  } catch (const StepFailed& failed) {
    // Temporary files not yet renamed go; the originals they were for stay.
    for (size_t j = renaming ? i : 0; j < targets.size(); ++j) files.remove(targets[j].temp);
    fail(failed, i < rewrites.size() ? rewrites[i].file : rewrites.back().file);
  }
  std::vector<fs::path> folders;
  for (const Target& t : targets) {
    fs::path folder = t.file.parent_path();
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
      folders.push_back(folder);
      files.sync_folder(folder);
    }
  }
}

}  // namespace core
