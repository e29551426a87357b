#pragma once
// A failing disk for the length of a scope: the root's write step `step` from
// now fails, and the root works through its own files again when the scope
// ends, however the test leaves it (a failed ASSERT, an exception).
#include <memory>

#include "core/files.h"
#include "core/paths.h"

namespace test_support {

class ScopedWriteFault {
 public:
  ScopedWriteFault(const core::DataRoot& root, int step)
      : root_(root), faults_(core::FaultyFiles::over(root)) {
    faults_->fail_write_step(step);
  }
  ~ScopedWriteFault() { root_.use_files(faults_->inner()); }
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
  const core::FaultyFiles& faults() const { return *faults_; }

 private:
  const core::DataRoot& root_;
  std::shared_ptr<core::FaultyFiles> faults_;
};

}  // namespace test_support
