#pragma once
// Data paths as the game writes them: relative to the working folder, with
// backslashes and any letter case ("data\levels\Pickup\1.pkp"). DataRoot maps
// them onto the real file system component by component ignoring case
// (Cyrillic included), and refuses any path that would leave the folder.
// Every file operation goes through the root's Files (core/files.h): the disk
// unless the root is given another.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class Files;

class DataRoot {
 public:
  // files: what the root works through; the disk when none is given.
  explicit DataRoot(std::filesystem::path root, std::shared_ptr<Files> files = nullptr);
  const std::filesystem::path& root() const { return root_; }
  Files& files() const;
  // Every copy of this root works through `files` from now on (a test or the
  // runner's fault command lays failures over the disk this way); answers the
  // files used until now.
  std::shared_ptr<Files> use_files(std::shared_ptr<Files> files) const;

  // The existing file or folder named by the game path, or nothing.
  // Throws DataError when the path is absolute or climbs out with "..".
  std::optional<std::filesystem::path> find(std::string_view game_path) const;
  // As find, but a path leaving the data folder is simply not there (for
  // files whose absence is no error, such as music).
  std::optional<std::filesystem::path> find_inside(std::string_view game_path) const;
  // Whether the game path is absolute or climbs out with "..".
  static bool leaves(std::string_view game_path);

  // Where to write the game path: every folder must exist (found ignoring
  // case); the last component reuses an existing name that differs only in
  // case, otherwise it is taken as written. Throws DataError ("Path not found")
  // when a folder is missing, and when the path leaves the data folder.
  std::filesystem::path for_write(std::string_view game_path) const;
  // As for_write, but the last component is always taken exactly as written
  // (temporary files: a case twin of the name is never reused).
  std::filesystem::path for_write_exact(std::string_view game_path) const;

  // Folder listings made so far (the lookup reuses a listing while its
  // folder is unchanged).
  int listings_made() const;

 private:
  struct Shared;
  std::optional<std::filesystem::path> match(const std::filesystem::path& dir,
                                             const std::string& name, bool want_dir) const;
  std::optional<std::filesystem::path> resolve_folders(const std::vector<std::string>& parts) const;

  std::filesystem::path root_;
  std::shared_ptr<Shared> shared_;  // shared by copies; the game is single-threaded
};

// Lower-case of a UTF-8 name for comparisons (ASCII and Cyrillic).
std::string fold_case(std::string_view utf8);

}  // namespace core
