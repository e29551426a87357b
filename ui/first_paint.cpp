#include "ui/first_paint.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace ui {

void report_first_paint() {
  static bool reported = false;
  if (reported) return;
  reported = true;
  const char* wanted = std::getenv("VETROVAY_REPORT_PAINT");
  if (!wanted || !*wanted) return;
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("first paint %lld\n",
              static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
}

}  // namespace ui
