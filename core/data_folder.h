#pragma once
// Where the game finds the folder that holds its "Data": the folder named
// with --data, else the working folder when it holds one, else the demo game
// installed with the program. The installed copy is read-only for a player,
// and the game writes into its data, so it is played from the player's own
// copy, made on first use.
#include <filesystem>
#include <optional>
#include <string>

namespace core {

struct DataFolderChoice {
  std::filesystem::path folder;  // holds "Data"
  std::string note;              // what a player should be told, or ""
  std::string error;             // why there is none, or ""
};

// given: the --data argument (empty: none). installed: the installed demo
// game (may be missing). user_copy: where the player's copy of it lives.
DataFolderChoice choose_data_folder(const std::string& given, const std::filesystem::path& cwd,
                                    const std::filesystem::path& installed,
                                    const std::filesystem::path& user_copy);

// Whether the folder holds a "Data" folder (any letter case).
bool holds_data(const std::filesystem::path& folder);

}  // namespace core
