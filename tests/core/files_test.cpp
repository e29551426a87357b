// The file interface: the one regular-file rule on the disk, the failures
// the faulty layer injects, and the in-memory data set.
#include "core/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/memory_files.h"
#include "core/safe_rewrite.h"
#include "scratch.h"

namespace fs = std::filesystem;
using namespace core;
using core_test::read_bytes;
using core_test::scratch_dir;
using core_test::write_bytes;
using Kind = Files::Kind;

namespace {

// What a game path reads as: its bytes, or "missing" for "File not found".
std::string read_or_missing(const DataRoot& root, const std::string& game_path) {
  try {
    return read_data_file(root, game_path);
  } catch (const DataError& e) {
    EXPECT_EQ(e.text(), "File not found");
    return "missing";
  }
}

}  // namespace

TEST(Files, EachKindOfEntryFollowsTheOneRegularFileRule) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "file", "x");
  fs::create_directories(dir / "folder");
  fs::create_symlink("file", dir / "to_file");
  fs::create_symlink("folder", dir / "to_folder");
  fs::create_symlink("none", dir / "dangling");
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  struct Row {
    const char* name;
    Kind followed, own;
    bool readable;
  };
  const Row rows[] = {
      {"file", Kind::file, Kind::file, true},
      {"folder", Kind::folder, Kind::folder, false},
      {"to_file", Kind::file, Kind::other, true},
      {"to_folder", Kind::folder, Kind::other, false},
      {"dangling", Kind::none, Kind::other, false},
      {"fifo", Kind::other, Kind::other, false},  // never waited on
      {"missing", Kind::none, Kind::none, false},
  };
  Files& files = *posix_files();
  const auto listed = files.list(dir);
  ASSERT_TRUE(listed);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(files.kind(dir / r.name), r.followed);
    EXPECT_EQ(files.kind(dir / r.name, true), r.own);
    EXPECT_EQ(files.read(dir / r.name).has_value(), r.readable);
    int seen = 0;
    for (const Files::Entry& e : *listed)
      if (e.name == r.name) seen += 1 + (e.kind != r.own);
    EXPECT_EQ(seen, r.own == Kind::none ? 0 : 1);
  }
}

TEST(Files, TheFaultyLayerFailsTheChosenReadOrLetsAFileVanish) {
  struct Row {
    const char* name;
    std::function<void(FaultyFiles&, const fs::path& data)> arm;
    std::vector<std::string> reads, expect;
  };
  const Row rows[] = {
      {"none", [](FaultyFiles&, const fs::path&) {}, {"a", "b", "a"}, {"A", "B", "A"}},
      {"first read",
       [](FaultyFiles& f, const fs::path&) { f.fail_read(1); },
       {"a", "b", "a"},
       {"missing", "B", "A"}},
      {"third read",
       [](FaultyFiles& f, const fs::path&) { f.fail_read(3); },
       {"a", "b", "a", "b"},
       {"A", "B", "missing", "B"}},
      // Found by the lookup, gone when opened, and gone for good.
      {"vanish",
       [](FaultyFiles& f, const fs::path& data) { f.vanish(data / "a.txt"); },
       {"b", "a", "a"},
       {"B", "missing", "missing"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const fs::path dir = scratch_dir();
    write_bytes(dir / "Data" / "a.txt", "A");
    write_bytes(dir / "Data" / "b.txt", "B");
    DataRoot root(dir);
    ASSERT_TRUE(root.find("DATA\\A.TXT"));
    r.arm(*FaultyFiles::over(root), dir / "Data");
    for (size_t i = 0; i < r.reads.size(); ++i)
      EXPECT_EQ(read_or_missing(root, "data\\" + r.reads[i] + ".txt"), r.expect[i]) << i;
  }
}

TEST(MemoryFiles, HoldsADataSetThatCopiesAndRewritesLikeTheDisk) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "Levels" / "Pickup" / "1.pkp", "once\r\n");
  const auto base = std::make_shared<MemoryFiles>(MemoryFiles::load(dir, "/mem"));
  auto run = std::make_shared<MemoryFiles>(*base);
  DataRoot root("/mem", run);
  EXPECT_EQ(read_or_missing(root, "data\\levels\\PICKUP\\1.PKP"), "once\r\n");
  EXPECT_FALSE(root.find("data\\levels\\fights"));
  EXPECT_THROW(MemoryFiles::load(dir / "missing", "/mem"), std::runtime_error);

  // A fault at any step leaves the file whole and no temporary file behind.
  const auto faults = FaultyFiles::over(root);
  for (int k = 1; k <= 6; ++k) {
    faults->fail_write_step(k);
    EXPECT_THROW(safe_rewrite(root, "data\\levels\\pickup\\1.pkp", "data\\levels\\pickup\\1.tmp",
                              {"always"}),
                 DataError);
    EXPECT_EQ(read_or_missing(root, "data\\levels\\pickup\\1.pkp"), "once\r\n") << k;
    EXPECT_FALSE(root.find("data\\levels\\pickup\\1.tmp")) << k;
  }
  faults->fail_write_step(0);
  safe_rewrite(root, "data\\levels\\pickup\\1.pkp", "data\\levels\\pickup\\1.tmp", {"always"});
  EXPECT_EQ(read_or_missing(root, "data\\levels\\pickup\\1.pkp"), "always\r\n");
  ASSERT_TRUE(run->make_folder("/mem/Data/Levels/fights"));
  EXPECT_TRUE(root.find("DATA\\LEVELS\\FIGHTS\\"));

  // The base set and the disk are untouched; a fresh copy of the base is
  // the data set as loaded, whatever listings the root holds.
  EXPECT_EQ(read_bytes(dir / "Data" / "Levels" / "Pickup" / "1.pkp"), "once\r\n");
  *run = *base;
  EXPECT_EQ(read_or_missing(root, "data\\levels\\pickup\\1.pkp"), "once\r\n");
  EXPECT_FALSE(root.find("data\\levels\\fights"));
}
