// The safe rewrite of a data file, with a fault at every step.
#include "core/safe_rewrite.h"

#include <gtest/gtest.h>

#include "core/data_error.h"
#include "core/files.h"
#include "scratch.h"
#include "support/write_fault.h"

namespace fs = std::filesystem;
using namespace core;
using core_test::read_bytes;
using core_test::scratch_dir;
using core_test::write_bytes;

namespace {

const std::string kOld = "once\r\n\xCD\xEE\xE6\r\naviable\r\n";
const std::vector<std::string> kNew = {"once", "Нож", "unaviable", "always", "Ёлка", "aviable"};
const std::string kNewBytes =
    "once\r\n\xCD\xEE\xE6\r\nunaviable\r\nalways\r\n\xA8\xEB\xEA\xE0\r\naviable\r\n";
// Create, one write per line, flush, sync, close, rename.
const int kSteps = 1 + static_cast<int>(kNew.size()) + 4;

}  // namespace

TEST(SafeRewrite, WritesWindows1251WithCrLf) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "Pickup" / "1.pkp", kOld);
  DataRoot root(dir);
  const auto faults = FaultyFiles::over(root);
  safe_rewrite(root, "data\\pickup\\1.pkp", "data\\pickup\\1.pkp.tmp", kNew);
  EXPECT_EQ(faults->write_steps(), kSteps);
  EXPECT_EQ(read_bytes(dir / "Data/Pickup/1.pkp"), kNewBytes);
  // The temporary file is gone, and no file of another case was added.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "Data/Pickup"), fs::directory_iterator()),
            1);
}

TEST(SafeRewrite, AFaultAtAnyStepLeavesTheOriginalWhole) {
  const fs::path dir = scratch_dir();
  const fs::path file = dir / "Data" / "Pickup" / "1.pkp";
  write_bytes(file, kOld);
  DataRoot root(dir);
  const auto faults = FaultyFiles::over(root);
  for (int k = 1; k <= kSteps; ++k) {
    faults->fail_write_step(k);
    try {
      safe_rewrite(root, "data\\pickup\\1.pkp", "data\\pickup\\1.pkp.tmp", kNew);
      FAIL() << "no error at step " << k;
    } catch (const DataError& e) {
      EXPECT_EQ(e.file(), "data\\pickup\\1.pkp");
      EXPECT_NE(e.text().find("Cannot write file"), std::string::npos) << e.text();
    }
    EXPECT_EQ(faults->write_steps(), k);
    EXPECT_EQ(read_bytes(file), kOld) << "step " << k;
    EXPECT_FALSE(fs::exists(dir / "Data/Pickup/1.pkp.tmp")) << "step " << k;
  }
  faults->fail_write_step(0);
  safe_rewrite(root, "data\\pickup\\1.pkp", "data\\pickup\\1.pkp.tmp", kNew);
  EXPECT_EQ(read_bytes(file), kNewBytes);
}

// A test that leaves early (an exception, a failed ASSERT) leaves no fault
// behind for the next one.
TEST(ScopedWriteFault, EndsWithItsScopeHoweverItIsLeft) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "Pickup" / "1.pkp", kOld);
  DataRoot root(dir);
  try {
    test_support::ScopedWriteFault fault(root, kSteps + 1);
    throw std::runtime_error("the test gave up");
  } catch (const std::runtime_error&) {
  }
  for (int k = 1; k <= kSteps + 1; ++k)
    safe_rewrite(root, "data\\pickup\\1.pkp", "data\\pickup\\1.pkp.tmp", kNew);
  EXPECT_EQ(read_bytes(dir / "Data/Pickup/1.pkp"), kNewBytes);
}

TEST(SafeRewrite, ReusesTheExistingNameAndCreatesMissingFiles) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "Fights" / "Fight.MAP", "old\r\n");
  write_bytes(dir / "Data" / "Fights" / "FIGHT.TMP", "stale");
  DataRoot root(dir);
  safe_rewrite(root, "data\\fights\\fight.map", "data\\fights\\fight.tmp", {"1", "2"});
  EXPECT_EQ(read_bytes(dir / "Data/Fights/Fight.MAP"), "1\r\n2\r\n");
  // The temporary file is the name as written; a case twin is left alone.
  EXPECT_EQ(read_bytes(dir / "Data/Fights/FIGHT.TMP"), "stale");
  EXPECT_FALSE(fs::exists(dir / "Data/Fights/fight.tmp"));
  EXPECT_FALSE(fs::exists(dir / "Data/Fights/fight.map"));

  safe_rewrite(root, "data\\fights\\new.map", "data\\fights\\new.tmp", {});
  EXPECT_EQ(read_bytes(dir / "Data/Fights/new.map"), "");
}

TEST(SafeRewrite, RefusesBadPathsWithoutTouchingAnything) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "a.pkp", kOld);
  DataRoot root(dir);
  EXPECT_THROW(safe_rewrite(root, "data\\a.pkp", "data\\nowhere\\a.tmp", kNew), DataError);
  EXPECT_THROW(safe_rewrite(root, "data\\a.pkp", "..\\a.tmp", kNew), DataError);
  EXPECT_THROW(safe_rewrite(root, "data\\nowhere\\a.pkp", "data\\a.tmp", kNew), DataError);
  // The temporary file must not be the file itself: that would empty it.
  EXPECT_THROW(safe_rewrite(root, "data\\a.pkp", "DATA\\A.PKP", kNew), DataError);
  EXPECT_EQ(read_bytes(dir / "Data/a.pkp"), kOld);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "Data"), fs::directory_iterator()), 1);
}

TEST(SafeRewrite, ARealOsFailureIsReported) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "a.pkp", kOld);
  fs::create_directories(dir / "Data" / "a.tmp");  // a folder where the temporary file goes
  DataRoot root(dir);
  try {
    safe_rewrite(root, "data\\a.pkp", "data\\a.tmp", kNew);
    FAIL();
  } catch (const DataError& e) {
    EXPECT_EQ(e.file(), "data\\a.pkp");
    EXPECT_GT(e.text().size(), std::string("Cannot write file: ").size());
  }
  EXPECT_EQ(read_bytes(dir / "Data/a.pkp"), kOld);
  EXPECT_TRUE(fs::is_directory(dir / "Data/a.tmp"));
}

TEST(SafeRewrite, SeveralFilesAtOnceAreEachOldOrNewWhateverStepFails) {
  const fs::path dir = scratch_dir();
  const std::vector<std::string> names = {"a", "b", "c"};
  for (const std::string& n : names) write_bytes(dir / "Data" / "Pickup" / (n + ".pkp"), kOld);
  DataRoot root(dir);
  const auto faults = FaultyFiles::over(root);
  std::vector<Rewrite> rewrites;
  for (const std::string& n : names)
    rewrites.push_back({"data\\pickup\\" + n + ".pkp", "data\\pickup\\" + n + ".pkp.tmp", kNew});
  // Three temporary files (create, lines, flush, sync, close) and three renames.
  const int steps = 3 * (1 + static_cast<int>(kNew.size()) + 3) + 3;
  for (int k = 1; k <= steps; ++k) {
    faults->fail_write_step(k);
    EXPECT_THROW(safe_rewrite_all(root, rewrites), DataError) << "step " << k;
    int renewed = 0;
    for (const std::string& n : names) {
      const std::string bytes = read_bytes(dir / "Data" / "Pickup" / (n + ".pkp"));
      EXPECT_TRUE(bytes == kOld || bytes == kNewBytes) << "step " << k << " file " << n;
      renewed += bytes == kNewBytes;
      EXPECT_FALSE(fs::exists(dir / "Data" / "Pickup" / (n + ".pkp.tmp"))) << "step " << k;
      write_bytes(dir / "Data" / "Pickup" / (n + ".pkp"), kOld);
    }
    // Until the renames begin, nothing has changed.
    if (k <= steps - 3) {
      EXPECT_EQ(renewed, 0) << "step " << k;
    }
  }
  faults->fail_write_step(0);
  safe_rewrite_all(root, rewrites);
  for (const std::string& n : names)
    EXPECT_EQ(read_bytes(dir / "Data" / "Pickup" / (n + ".pkp")), kNewBytes);
}
