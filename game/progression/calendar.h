#pragma once
// The calendar and the time of day, moved on by the clock.
#include <cstdint>
#include <string>

struct CalendarState {
  int32_t year = 0, month = 0, week = 0, day = 0;
  int32_t daytick = 0;  // 1..599 within the day
  std::string daytime;  // "Утро", "День", "Вечер", "Ночь"
};

template <class F>
void fields(const CalendarState& c, F&& f) {
  f("year", c.year);
  f("month", c.month);
  f("week", c.week);
  f("day", c.day);
  f("daytick", c.daytick);
  f("daytime", c.daytime);
}
