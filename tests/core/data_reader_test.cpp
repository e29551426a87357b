// The line discipline of data files.
#include "core/data_reader.h"

#include <gtest/gtest.h>

#include "core/data_error.h"
#include "scratch.h"

namespace fs = std::filesystem;
using namespace core;
using core_test::scratch_dir;
using core_test::write_bytes;

TEST(DataReader, SplitsLinesOnCrLfAndLf) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "a.txt", "one\r\ntwo\nthree\r\r\n  four  \r\n\r\nlast");
  DataRoot root(dir);
  DataReader r(root, "data\\A.TXT");
  EXPECT_EQ(r.line_number(), 0);
  EXPECT_EQ(r.line(), "one");
  EXPECT_EQ(r.line(), "two");
  EXPECT_EQ(r.line(), "three\r");   // only one CR belongs to the line end
  EXPECT_EQ(r.line(), "  four  ");  // no trimming
  EXPECT_EQ(r.line(), "");
  EXPECT_FALSE(r.eof());
  EXPECT_EQ(r.line(), "last");
  EXPECT_TRUE(r.eof());
  EXPECT_EQ(r.line_number(), 6);
  EXPECT_EQ(r.game_path(), "data\\A.TXT");
}

TEST(DataReader, AFinalLineBreakAddsNoLine) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "a.txt", "x\r\ny\r\n");
  write_bytes(dir / "empty.txt", "");
  write_bytes(dir / "blank.txt", "\r\n");
  DataRoot root(dir);
  EXPECT_EQ(read_all_lines(root, "a.txt"), (std::vector<std::string>{"x", "y"}));
  EXPECT_TRUE(read_all_lines(root, "empty.txt").empty());
  EXPECT_EQ(read_all_lines(root, "blank.txt"), (std::vector<std::string>{""}));
  EXPECT_TRUE(DataReader(root, "empty.txt").eof());
}

TEST(DataReader, ConvertsFromWindows1251) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "t.txt", "\xC3\xEE\xEB\xEE\xE4\r\n\xA8\xB8\r\n");
  DataRoot root(dir);
  EXPECT_EQ(read_all_lines(root, "t.txt"), (std::vector<std::string>{"Голод", "Ёё"}));
}

TEST(DataReader, ReadingPastTheEndGivesEmptyLinesAndCounts) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "n.cfg", "label\r\n15\r\n");
  DataRoot root(dir);
  DataReader r(root, "n.cfg");
  r.skip();
  EXPECT_EQ(r.read_int(), 15);
  EXPECT_EQ(r.line(), "");
  EXPECT_EQ(r.line(), "");
  EXPECT_EQ(r.line_number(), 4);
  try {
    r.read_int();
    FAIL();
  } catch (const DataError& e) {
    // The number was due at line 5; the message names the last line there is.
    EXPECT_STREQ(e.what(), "'' is not a valid integer value: the file ended early (n.cfg, line 2)");
  }
}

TEST(DataReader, NumberErrorsNameFileAndLine) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "Config" / "roamkin.cfg",
              "Health\r\n100\r\nHunger\r\n12,5\r\nx\r\n3.25\r\n1 0\r\nabc\r\n");
  DataRoot root(dir);
  DataReader r(root, "Data\\Config\\roamkin.cfg");
  r.skip();
  EXPECT_EQ(r.read_int(), 100);
  r.skip();
  EXPECT_DOUBLE_EQ(r.read_decimal(), 12.5);
  r.skip();
  EXPECT_DOUBLE_EQ(r.read_decimal(), 3.25);
  try {
    r.read_int();
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(e.text(), "'1 0' is not a valid integer value");
    EXPECT_EQ(e.file(), "Data\\Config\\roamkin.cfg");
    EXPECT_EQ(e.line(), 7);
  }
  try {
    r.read_decimal();
    FAIL();
  } catch (const DataError& e) {
    EXPECT_STREQ(e.what(),
                 "'abc' is not a valid floating point value (Data\\Config\\roamkin.cfg, line 8)");
  }
}

TEST(DataReader, MissingFilesAndFoldersAreNotFound) {
  const fs::path dir = scratch_dir();
  fs::create_directories(dir / "Data" / "Config");
  DataRoot root(dir);
  for (const char* path : {"Data\\Config\\roamkin.cfg", "Data\\Config", "Data\\Nowhere\\x.cfg"}) {
    try {
      DataReader r(root, path);
      FAIL() << path;
    } catch (const DataError& e) {
      EXPECT_EQ(e.text(), "File not found");
      EXPECT_EQ(e.file(), path);
      EXPECT_EQ(e.line(), 0);
    }
  }
  EXPECT_THROW(read_all_lines(root, "..\\x"), DataError);
}
