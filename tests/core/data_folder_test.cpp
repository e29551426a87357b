// Where the game finds its data: --data, the working folder, the installed
// demo game through the player's own copy.
#include "core/data_folder.h"

#include <gtest/gtest.h>

#include "scratch.h"

namespace fs = std::filesystem;

namespace {

fs::path game_folder(const fs::path& at, const std::string& pickup = "old") {
  core_test::write_bytes(at / "Data" / "levels" / "1.pkp", pickup);
  return at;
}

std::string read(const fs::path& file) {
  return core_test::read_bytes(file);
}

}  // namespace

TEST(DataFolder, GivenThenWorkingFolderThenAPlayersCopyOfTheInstalledDemo) {
  const fs::path dir = core_test::scratch_dir();
  const fs::path given = game_folder(dir / "given");
  const fs::path cwd = game_folder(dir / "cwd");
  const fs::path installed = game_folder(dir / "share" / "demo", "installed");
  const fs::path copy = dir / "home" / "vetrovay" / "demo";
  const fs::path empty = dir / "empty";
  fs::create_directories(empty);

  struct Case {
    std::string given;
    fs::path cwd, installed, expected;
    bool error;
  } cases[] = {
      {given.string(), cwd, installed, given, false},
      {"", cwd, installed, cwd, false},
      {"", empty, installed, copy, false},
      {(dir / "missing").string(), cwd, installed, {}, true},
      {empty.string(), cwd, installed, {}, true},  // no Data in it: not a fallback
      {"", empty, dir / "nothing", {}, true},
  };
  for (const Case& c : cases) {
    core::DataFolderChoice got = core::choose_data_folder(c.given, c.cwd, c.installed, copy);
    EXPECT_EQ(got.folder, c.expected) << c.given << " " << c.cwd;
    EXPECT_EQ(!got.error.empty(), c.error) << got.error;
  }
  // The player's copy is made once and then played (and written) as it is.
  EXPECT_EQ(read(copy / "Data" / "levels" / "1.pkp"), "installed");
  core_test::write_bytes(copy / "Data" / "levels" / "1.pkp", "played");
  core::DataFolderChoice again = core::choose_data_folder("", empty, installed, copy);
  EXPECT_EQ(again.folder, copy);
  EXPECT_TRUE(again.note.empty());
  EXPECT_EQ(read(copy / "Data" / "levels" / "1.pkp"), "played");
  EXPECT_EQ(read(installed / "Data" / "levels" / "1.pkp"), "installed");
}
