// Hostile file systems: case twins, values that would break a message, and
// the cost of many lookups in one folder. (Links and special files are rows
// of the game's bad-input table.)
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <functional>

#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/safe_rewrite.h"
#include "scratch.h"

namespace fs = std::filesystem;
using namespace core;
using core_test::read_bytes;
using core_test::scratch_dir;
using core_test::write_bytes;

namespace {

std::string error_text(const std::function<void()>& f) {
  try {
    f();
  } catch (const DataError& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace

TEST(HostileFiles, CaseTwinsNeverShareATemporaryFile) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "P" / "X.pkp", "always\r\nA\r\naviable\r\nalways\r\nB\r\naviable\r\n");
  write_bytes(dir / "P" / "x.pkp", "always\r\nC\r\naviable\r\n");
  write_bytes(dir / "P" / "x.pkp.tmp", "stale");
  DataRoot root(dir);
  // What a reader of each name reads is the file each rewrite replaces.
  EXPECT_EQ(read_all_lines(root, "p\\X.pkp").size(), 6u);
  safe_rewrite_all(root, {{"p\\X.pkp", "p\\X.pkp.tmp", read_all_lines(root, "p\\X.pkp")},
                          {"p\\x.pkp", "p\\x.pkp.tmp", read_all_lines(root, "p\\x.pkp")}});
  EXPECT_EQ(read_all_lines(root, "p\\X.pkp").size(), 6u);
  EXPECT_EQ(read_all_lines(root, "p\\x.pkp").size(), 3u);
  safe_rewrite(root, "p\\X.pkp", "p\\X.pkp.tmp", {"once", "D", "aviable"});
  EXPECT_EQ(read_bytes(dir / "P" / "x.pkp"), "always\r\nC\r\naviable\r\n");
  EXPECT_EQ(read_bytes(dir / "P" / "X.pkp"), "once\r\nD\r\naviable\r\n");
}

TEST(HostileFiles, MessagesShowControlCharactersAndCutHugeValues) {
  const fs::path dir = scratch_dir();
  // A NUL inside a number, UTF-16 text, a value of 300 characters.
  using namespace std::string_literals;
  write_bytes(dir / "a.cfg", "1\0002\r\n"s +
                                 "\xFF\xFE"
                                 "5\0\r\0\n"s +
                                 std::string(300, '7') + "x\r\n");
  DataRoot root(dir);
  DataReader in(root, "a.cfg");
  EXPECT_EQ(error_text([&] { in.read_int(); }),
            "'1\\x002' is not a valid integer value (a.cfg, line 1)");
  EXPECT_EQ(error_text([&] { in.read_int(); }),
            "'яю5\\x00\\x0D\\x00' is not a valid integer value (a.cfg, line 2)");
  const std::string huge = error_text([&] { in.read_int(); });
  EXPECT_LT(huge.size(), 140u) << huge;
  EXPECT_NE(huge.find("...' is not a valid integer value"), std::string::npos) << huge;
}

TEST(HostileFiles, ManyLookupsInOneFolderListItOnce) {
  const fs::path dir = scratch_dir();
  constexpr int kFiles = 3000;
  for (int i = 0; i < kFiles; ++i) write_bytes(dir / "Pickup" / (std::to_string(i) + ".PKP"), "");
  // A folder changed less than a second before its listing is listed again
  // at the next lookup; one that has settled is listed once.
  struct timespec past[2] = {{1'000'000, 0}, {1'000'000, 0}};
  for (const fs::path& folder : {dir, dir / "Pickup"})
    ASSERT_EQ(::utimensat(AT_FDCWD, folder.c_str(), past, 0), 0);
  DataRoot root(dir);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kFiles; ++i)
    ASSERT_TRUE(root.find("pickup\\" + std::to_string(i) + ".pkp")) << i;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LE(root.listings_made(), 3);
  EXPECT_LT(seconds, 5.0);
  // A change to the folder is seen at once.
  write_bytes(dir / "Pickup" / "New.PKP", "");
  EXPECT_TRUE(root.find("pickup\\new.pkp"));
  fs::remove(dir / "Pickup" / "0.PKP");
  EXPECT_FALSE(root.find("pickup\\0.pkp"));
}
