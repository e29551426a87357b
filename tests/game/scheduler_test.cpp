// Timer scheduling in virtual time.
#include "game/scheduler.h"

#include <gtest/gtest.h>

namespace {

form::Form two_timers() {
  form::Form f;
  form::Control a;
  a.name = "A";
  a.kind = form::Kind::Timer;
  a.interval = 100;
  a.enabled = false;
  f.add(a);
  form::Control b = a;
  b.name = "B";
  b.interval = 250;
  f.add(b);
  return f;
}

}  // namespace

TEST(SchedulerTest, FiresInTimeOrderAndCountsFromTheStart) {
  form::Form f = two_timers();
  Scheduler s(f, 1);
  f["A"].start();
  f["B"].start();
  s.sync(0);
  std::vector<std::pair<int64_t, std::string>> fired;
  int64_t now = 0;
  while (auto due = s.next_due()) {
    if (*due > 500) break;
    now = *due;
    fired.emplace_back(now, s.take_due(now));
    s.sync(now);
  }
  std::vector<std::pair<int64_t, std::string>> expected = {
      {100, "A"}, {200, "A"}, {250, "B"}, {300, "A"}, {400, "A"}, {500, "A"}, {500, "B"}};
  EXPECT_EQ(fired, expected);
}

TEST(SchedulerTest, ATimerOverdueAfterABlockingWaitFiresOnce) {
  form::Form f = two_timers();
  Scheduler s(f, 1);
  f["A"].start();
  s.sync(0);
  // A handler blocked the thread until 1000: A fires once, then again 100 later.
  EXPECT_EQ(s.take_due(1000), "A");
  EXPECT_EQ(s.take_due(1000), "");
  EXPECT_EQ(s.next_due(), 1100);
}

TEST(SchedulerTest, RestartingOrChangingTheIntervalCountsAfresh) {
  form::Form f = two_timers();
  Scheduler s(f, 1);
  f["A"].start();
  s.sync(0);
  f["A"].start();  // restarted at 60
  s.sync(60);
  EXPECT_EQ(s.next_due(), 160);
  f["A"].set_interval(500);
  s.sync(70);
  EXPECT_EQ(s.next_due(), 570);
  f["A"].stop();
  s.sync(80);
  EXPECT_FALSE(s.next_due().has_value());
}

TEST(SchedulerTest, ShortTimersTickNoFasterThanTheMinimumPeriod) {
  form::Form f = two_timers();
  f["A"].interval = 1;
  Scheduler s(f, 16);
  f["A"].start();
  s.sync(0);
  EXPECT_EQ(s.next_due(), 16);
}
