#pragma once
// How far the intro and the outro have come.
#include <cstdint>

struct SlideState {
  int32_t introstep = 0;
  int32_t outrostep = 0;   // 1: the picture slides in, 2: the text scrolls
  double outropos = 0;     // the text's top, in fractions of a pixel
  int64_t outrostart = 0;  // the engine's clock when the outro started
};

template <class F>
void fields(const SlideState& s, F&& f) {
  f("introstep", s.introstep);
  f("outrostep", s.outrostep);
  f("outropos", s.outropos);
  f("outrostart", s.outrostart);
}
