#pragma once
// Data paths as the game writes them: relative to the working folder, with
// backslashes and any letter case ("data\levels\Pickup\1.pkp"). DataRoot maps
// them onto the real file system component by component ignoring case
// (Cyrillic included), and refuses any path that would leave the folder.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace core {

class DataRoot {
 public:
  explicit DataRoot(std::filesystem::path root);
  const std::filesystem::path& root() const { return root_; }

  // The existing file or folder named by the game path, or nothing.
  // Throws DataError when the path is absolute or climbs out with "..".
  std::optional<std::filesystem::path> find(std::string_view game_path) const;

  // Where to write the game path: every folder must exist (found ignoring
  // case); the last component reuses an existing name that differs only in
  // case, otherwise it is taken as written. Throws DataError ("Path not found")
  // when a folder is missing, and when the path leaves the data folder.
  std::filesystem::path for_write(std::string_view game_path) const;

 private:
  std::filesystem::path root_;
};

// Lower-case of a UTF-8 name for comparisons (ASCII and Cyrillic).
std::string fold_case(std::string_view utf8);

}  // namespace core
