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
  Scheduler s(f);
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
  Scheduler s(f);
  f["A"].start();
  s.sync(0);
  // A handler blocked the thread until 1000: A fires once, then again 100 later.
  EXPECT_EQ(s.take_due(1000), "A");
  EXPECT_EQ(s.take_due(1000), "");
  EXPECT_EQ(s.next_due(), 1100);
}

TEST(SchedulerTest, RestartingOrChangingTheIntervalCountsAfresh) {
  form::Form f = two_timers();
  Scheduler s(f);
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

TEST(SchedulerTest, AHostThatComesLateFiresEveryTickOwedAtItsDueTime) {
  form::Form f = two_timers();
  f["A"].interval = 1;
  Scheduler s(f);
  f["A"].start();
  s.sync(0);
  std::vector<int64_t> at;
  int64_t now = 0;
  s.run_until(now, 5, [&](const std::string&) { at.push_back(now); });
  EXPECT_EQ(at, (std::vector<int64_t>{1, 2, 3, 4, 5}));
}

TEST(SchedulerTest, WaitsCutAnywhereGiveTheSameTicks) {
  // A handler that blocks 300 ms on every tick of A (an enemy's attack) and
  // starts B before it: script time is the sum of the waits, whatever the
  // blocking waits spent, and B counts from its start.
  auto ticks = [](const std::vector<int64_t>& waits) {
    form::Form f = two_timers();
    VirtualRuntime rt;
    Scheduler s(f);
    s.follow_waits(rt);
    f["A"].start();
    s.sync(rt.now);
    std::vector<std::pair<int64_t, std::string>> fired;
    for (int64_t ms : waits)
      s.pass(rt, ms, [&](const std::string& t) {
        fired.emplace_back(rt.now, t);
        if (t != "A") return;
        if (!f["B"].enabled) f["B"].start();
        rt.wait(300);
      });
    return std::pair(fired, rt.now);
  };
  const auto whole = ticks({1000});
  // A is due again at 200, overdue after its wait: it fires once at 400.
  // B, started at 100 before the wait, is due at 350 and fires after the
  // next wait. The last wait runs on to 1300, past the 1000 let pass.
  const std::vector<std::pair<int64_t, std::string>> expected = {
      {100, "A"}, {400, "A"}, {700, "B"}, {700, "A"}, {1000, "A"}, {1300, "B"}};
  EXPECT_EQ(whole, std::pair(expected, int64_t{1300}));
  for (const auto& waits : std::vector<std::vector<int64_t>>{
           {500, 500}, {450, 550}, {1, 399, 600}, {999, 1}, {100, 100, 100, 700}})
    EXPECT_EQ(ticks(waits), whole);
}
