#pragma once
// A failing disk for the length of a scope: the write step `step` from now
// fails, and the fault is off again when the scope ends, however the test
// leaves it (a failed ASSERT, an exception), so it never reaches the next
// test of the same program.
#include "core/safe_rewrite.h"

namespace test_support {

class ScopedWriteFault {
 public:
  explicit ScopedWriteFault(int step) { core::inject_write_fault(step); }
  ~ScopedWriteFault() { core::inject_write_fault(0); }
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;
};

}  // namespace test_support
