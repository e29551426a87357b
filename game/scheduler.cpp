#include "game/scheduler.h"

#include <algorithm>

Scheduler::Scheduler(form::Form& form, int min_interval)
    : form_(form), min_interval_(std::max(1, min_interval)) {
  for (form::Control& c : form_.controls())
    if (c.kind == form::Kind::Timer) entries_.push_back(Entry{&c});
}

int Scheduler::period(const Entry& e) const {
  return std::max(min_interval_, e.interval);
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
      e.due = now + period(e);
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
  best->due = now + period(*best);
  return best->timer->name;
}

void Scheduler::run_until(int64_t& now, int64_t end,
                          const std::function<void(const std::string&)>& fire,
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
