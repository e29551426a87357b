// Resolving game paths in the data folder.
#include "core/paths.h"

#include <gtest/gtest.h>

#include "core/data_error.h"
#include "scratch.h"

namespace fs = std::filesystem;
using namespace core;
using core_test::scratch_dir;
using core_test::write_bytes;

TEST(FoldCase, LowersAsciiAndCyrillic) {
  EXPECT_EQ(fold_case("Data\\Levels"), "data\\levels");
  EXPECT_EQ(fold_case("ГОЛОД Ёж"), "голод ёж");
  EXPECT_EQ(fold_case("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"), "абвгдежзийклмнопрстуфхцчшщъыьэюя");
  EXPECT_EQ(fold_case("ЇІЄЎ"), "їієў");
  EXPECT_EQ(fold_case("ёяz09_."), "ёяz09_.");
  EXPECT_EQ(fold_case("\xFF\xD0"), "\xFF\xD0");  // broken bytes pass through
}

TEST(DataRoot, FindsIgnoringCase) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "Levels" / "Pickup" / "1.pkp", "x");
  write_bytes(dir / "Data" / "Объекты" / "Ёлка.dat", "x");
  DataRoot root(dir);
  EXPECT_EQ(root.find("data\\levels\\pickup\\1.PKP"), dir / "Data/Levels/Pickup/1.pkp");
  EXPECT_EQ(root.find("DATA/LEVELS/Pickup/1.pkp"), dir / "Data/Levels/Pickup/1.pkp");
  EXPECT_EQ(root.find("data\\ОБЪЕКТЫ\\ёлка.DAT"), dir / "Data/Объекты/Ёлка.dat");
  EXPECT_EQ(root.find("data\\levels"), dir / "Data/Levels");
  EXPECT_EQ(root.find("data\\levels\\"), dir / "Data/Levels");
  EXPECT_EQ(root.find("data\\.\\levels"), dir / "Data/Levels");
  EXPECT_FALSE(root.find("data\\levels\\pickup\\2.pkp"));
  EXPECT_FALSE(root.find("data\\nowhere\\1.pkp"));
  // A file cannot stand for a folder.
  EXPECT_FALSE(root.find("data\\levels\\pickup\\1.pkp\\x"));
}

TEST(DataRoot, PrefersTheExactSpelling) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "a" / "File.txt", "1");
  write_bytes(dir / "a" / "file.txt", "2");
  write_bytes(dir / "a" / "FILE.txt", "3");
  fs::create_directories(dir / "B");
  write_bytes(dir / "b", "a file, not the folder");
  write_bytes(dir / "B" / "x", "x");
  DataRoot root(dir);
  EXPECT_EQ(root.find("a\\file.txt"), dir / "a/file.txt");
  EXPECT_EQ(root.find("a\\FILE.txt"), dir / "a/FILE.txt");
  // No exact match: the first in name order.
  EXPECT_EQ(root.find("a\\fILE.txt"), dir / "a/FILE.txt");
  // A folder component skips a same-named file.
  EXPECT_EQ(root.find("b\\x"), dir / "B/x");
}

TEST(DataRoot, AnEmptyNameIsAFileNamedByItsExtension) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "data" / "levels" / "locations" / ".loc", "x");
  DataRoot root(dir);
  EXPECT_EQ(root.find("data\\levels\\locations\\.loc"), dir / "data/levels/locations/.loc");
  EXPECT_EQ(root.for_write("data\\levels\\locations\\.LOC"), dir / "data/levels/locations/.loc");
}

TEST(DataRoot, RefusesPathsThatLeaveTheFolder) {
  const fs::path dir = scratch_dir();
  fs::create_directories(dir / "data" / "levels");
  DataRoot root(dir);
  for (const char* bad :
       {"..\\secret.txt", "data\\..\\..\\x", "data\\levels\\..", "/etc/passwd", "\\etc\\passwd",
        "C:\\Windows\\win.ini", "c:x", "data\\\\levels", "data//levels\\x"}) {
    EXPECT_THROW(root.find(bad), DataError) << bad;
    EXPECT_THROW(root.for_write(bad), DataError) << bad;
  }
  try {
    root.find("..\\x");
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(e.text(), "Path leaves the data folder");
    EXPECT_EQ(e.file(), "..\\x");
  }
}

TEST(DataRoot, ForWriteReusesTheExistingName) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "Levels" / "Fights" / "Fight.map", "");
  DataRoot root(dir);
  EXPECT_EQ(root.for_write("data\\levels\\fights\\fight.map"),
            dir / "Data/Levels/Fights/Fight.map");
  EXPECT_EQ(root.for_write("data\\levels\\fights\\fight.tmp"),
            dir / "Data/Levels/Fights/fight.tmp");
  try {
    root.for_write("data\\levels\\Nowhere\\fight.tmp");
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(e.text(), "Path not found");
    EXPECT_EQ(e.file(), "data\\levels\\Nowhere\\fight.tmp");
  }
  EXPECT_THROW(root.for_write("data\\levels\\"), DataError);
  EXPECT_THROW(root.for_write(""), DataError);
}
