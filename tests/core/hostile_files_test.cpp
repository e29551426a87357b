// Hostile file systems: links at temporary names and folders, case twins,
// special files, and the cost of many lookups in one folder.
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

const std::vector<std::string> kNew = {"once", "Нож", "aviable"};
const std::string kNewBytes = "once\r\n\xCD\xEE\xE6\r\naviable\r\n";

std::string error_text(const std::function<void()>& f) {
  try {
    f();
  } catch (const DataError& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace

TEST(HostileFiles, WritesNeverFollowALinkOutOfTheDataFolder) {
  const fs::path top = scratch_dir();
  const fs::path dir = top / "game";
  const fs::path victim = top / "outside" / "victim.txt";
  write_bytes(victim, "precious");
  write_bytes(dir / "Pickup" / "1.pkp", "old\r\n");
  DataRoot root(dir);

  // A link at each kind of temporary name: the pickup temp, the drop temp.
  for (const char* temp : {"1.pkp.tmp", "1.tmp"}) {
    fs::create_symlink(victim, dir / "Pickup" / temp);
    safe_rewrite(root, "pickup\\1.pkp", std::string("pickup\\") + temp, kNew);
    EXPECT_EQ(read_bytes(victim), "precious") << temp;
    EXPECT_EQ(read_bytes(dir / "Pickup" / "1.pkp"), kNewBytes) << temp;
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "Pickup" / temp))) << temp;
  }

  // The same through the batched rewrite of a new game.
  fs::create_symlink(victim, dir / "Pickup" / "1.pkp.tmp");
  safe_rewrite_all(root, {{"pickup\\1.pkp", "pickup\\1.pkp.tmp", {"always", "Ёж", "aviable"}}});
  EXPECT_EQ(read_bytes(victim), "precious");

  // A pickup folder that is a link to elsewhere is refused before anything
  // is written, whatever file of it is named.
  write_bytes(top / "elsewhere" / "2.pkp", "old\r\n");
  fs::create_directory_symlink(top / "elsewhere", dir / "Linked");
  EXPECT_NE(error_text([&] {
              safe_rewrite(root, "linked\\2.pkp", "linked\\2.pkp.tmp", kNew);
            }).find("Cannot write file: the path leaves the data folder (linked\\2.pkp)"),
            std::string::npos);
  EXPECT_EQ(read_bytes(top / "elsewhere" / "2.pkp"), "old\r\n");
  EXPECT_FALSE(fs::exists(top / "elsewhere" / "2.pkp.tmp"));

  // A pickup file that is itself a link is replaced by a file of its own.
  write_bytes(dir / "Pickup" / "3.pkp.real", "x");
  fs::create_symlink(victim, dir / "Pickup" / "3.pkp");
  safe_rewrite(root, "pickup\\3.pkp", "pickup\\3.pkp.tmp", kNew);
  EXPECT_EQ(read_bytes(victim), "precious");
  EXPECT_FALSE(fs::is_symlink(dir / "Pickup" / "3.pkp"));
}

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

TEST(HostileFiles, SpecialFilesAreNotFoundAndNeverWaitedOn) {
  const fs::path dir = scratch_dir();
  fs::create_directories(dir / "Data");
  ASSERT_EQ(::mkfifo((dir / "Data" / "fifo.pkp").c_str(), 0644), 0);
  fs::create_directories(dir / "Data" / "folder.pkp");
  DataRoot root(dir);
  for (const char* path : {"data\\fifo.pkp", "data\\folder.pkp"})
    EXPECT_EQ(error_text([&] { read_all_lines(root, path); }),
              std::string("File not found (") + path + ")");
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
