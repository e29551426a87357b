#include "game/scheduler.h"

#include <algorithm>

Scheduler::Scheduler(form::Form& form) : form_(form) {
  for (form::Control& c : form_.controls())
    if (c.kind == form::Kind::Timer) entries_.push_back(Entry{&c});
}

Scheduler::~Scheduler() {
  if (followed_) followed_->before_wait = nullptr;
}

void Scheduler::follow_waits(Runtime& rt) {
  followed_ = &rt;
  rt.before_wait = [this] { sync(followed_->now); };
}

void Scheduler::sync(int64_t now) {
  for (Entry& e : entries_) {
    const form::Control& t = *e.timer;
    if (!t.enabled || t.interval <= 0) {
      e.running = false;
      continue;
    }
    if (!e.running || t.generation != e.generation || t.interval != e.interval) {
      e.running = true;
      e.generation = t.generation;
      e.interval = t.interval;
      e.due = now + e.interval;
    }
  }
}

std::optional<int64_t> Scheduler::next_due() const {
  std::optional<int64_t> best;
  for (const Entry& e : entries_)
    if (e.running && (!best || e.due < *best)) best = e.due;
  return best;
}

std::string Scheduler::take_due(int64_t now) {
  Entry* best = nullptr;
  for (Entry& e : entries_)
    if (e.running && e.due <= now && (!best || e.due < best->due)) best = &e;
  if (!best) return {};
  best->due = now + best->interval;
  return best->timer->name;
}

void Scheduler::run_until(int64_t& now, int64_t end, const Fire& fire,
                          const std::function<bool()>& stop) {
  while (!stop || !stop()) {
    sync(now);
    const std::optional<int64_t> due = next_due();
    if (!due || *due > end) break;
    if (*due > now) now = *due;
    fire(take_due(now));
  }
  if (now < end) now = end;
  sync(now);
}

void Scheduler::pass(VirtualRuntime& rt, int64_t ms, const Fire& fire) {
  rt.passed += ms;
  run_until(rt.now, rt.passed, fire, [&rt] { return rt.quit_requested; });
}
