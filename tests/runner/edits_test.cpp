// Line edits of a data set for scripts that play a variant of it.
#include "tools/runner/edits.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/cp1251.h"
#include "core/data_error.h"

namespace {

namespace fs = std::filesystem;

class Edits : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(VETROVAY_TEST_TMP) / "runner" / info->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "Data" / "Levels");
    std::ofstream(dir_ / "Data" / "Levels" / "1.loc", std::ios::binary)
        << core::utf8_to_cp1251("Локация\r\nСклад\r\nno\r\n");
  }
  std::string file() const {
    std::ifstream in(dir_ / "Data" / "Levels" / "1.loc", std::ios::binary);
    return core::cp1251_to_utf8(std::string(std::istreambuf_iterator<char>(in), {}));
  }
  fs::path dir_;
};

TEST_F(Edits, ChangeTheNamedLinesInOrder) {
  core::DataRoot root(dir_);
  apply_edits(root, "t.edits",
              "# the fight\n\ndata\\levels\\1.loc 3 odin\r\n"
              "data\\levels\\1.loc 2 Ангар с \"ящиками\"\n"
              "data\\levels\\1.loc 3 \n"
              "data\\levels\\1.loc 4 always\n");
  EXPECT_EQ(file(), "Локация\r\nАнгар с \"ящиками\"\r\n\r\nalways\r\n");
}

TEST_F(Edits, RefuseWhatCannotBeMeantAndNameTheirLine) {
  const struct {
    const char* edits;
    const char* error;
  } rows[] = {
      {"data\\levels\\1.loc", "expected PATH LINE TEXT (t.edits, line 2)"},
      {"data\\levels\\1.loc 2", "expected PATH LINE TEXT (t.edits, line 2)"},
      {"data\\levels\\1.loc x Склад", "the line number must be 1 or more (t.edits, line 2)"},
      {"data\\levels\\1.loc 0 Склад", "the line number must be 1 or more (t.edits, line 2)"},
      {"data\\levels\\1.loc 5 Склад", "data\\levels\\1.loc has only 3 lines (t.edits, line 2)"},
      {"data\\levels\\1.loc 2 Склад",
       "data\\levels\\1.loc line 2 is already 'Склад' (t.edits, line 2)"},
      {"data\\levels\\2.loc 1 x", "File not found (data\\levels\\2.loc)"},
  };
  for (const auto& row : rows) {
    core::DataRoot root(dir_);
    try {
      apply_edits(root, "t.edits", std::string("# one\n") + row.edits + "\n");
      ADD_FAILURE() << row.edits;
    } catch (const core::DataError& e) {
      EXPECT_EQ(std::string(e.what()), row.error);
    }
    EXPECT_EQ(file(), "Локация\r\nСклад\r\nno\r\n") << row.edits;
  }
}

}  // namespace
