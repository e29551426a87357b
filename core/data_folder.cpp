#include "core/data_folder.h"

#include <system_error>

#include "core/paths.h"

namespace fs = std::filesystem;

namespace core {

bool holds_data(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) return false;
  core::DataRoot root(folder);
  return root.find("Data").has_value();
}

DataFolderChoice choose_data_folder(const std::string& given, const fs::path& cwd,
                                    const fs::path& installed, const fs::path& user_copy) {
  DataFolderChoice choice;
  if (!given.empty()) {
    std::error_code error;
    fs::path folder = fs::absolute(given, error);
    if (error || !fs::is_directory(folder, error)) {
      choice.error = "cannot open the data folder " + given;
    } else if (!holds_data(folder)) {
      choice.error = "there is no Data folder in " + folder.string();
    } else {
      choice.folder = folder;
    }
    return choice;
  }
  if (holds_data(cwd)) {
    choice.folder = cwd;
    return choice;
  }
  if (!installed.empty() && holds_data(installed)) {
    if (!holds_data(user_copy)) {
      // Copied to a temporary name and renamed, so a copy cut short is
      // never taken for a whole one.
      std::error_code error;
      fs::path partial = user_copy;
      partial += ".partial";
      fs::remove_all(partial, error);
      fs::create_directories(partial, error);
      if (!error) fs::copy(installed, partial, fs::copy_options::recursive, error);
      if (!error) fs::rename(partial, user_copy, error);
      if (error) {
        choice.error =
            "cannot copy the demo game to " + user_copy.string() + ": " + error.message();
        return choice;
      }
      choice.note = "playing the demo game from " + user_copy.string();
    }
    choice.folder = user_copy;
    return choice;
  }
  choice.error = "there is no Data folder in " + cwd.string() +
                 ". Run it in the game's folder or name it with --data DIR.";
  return choice;
}

}  // namespace core
