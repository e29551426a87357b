#pragma once
// A measuring aid: with VETROVAY_REPORT_PAINT set, the first paint of a
// window prints "first paint NS" (CLOCK_MONOTONIC, nanoseconds) on standard
// output, so a script can time the start of the program to its first drawn
// window against a bare Qt window (bench/bare_window.cpp).
namespace ui {

void report_first_paint();

}  // namespace ui
