#pragma once
// The state of the quest and the final conversation.
#include <string>

struct TalkState {
  std::string questst;    // "live", "done" (binoculars given), "dead" (the hermit killed)
  bool lasttalk = false;  // the final conversation is on screen: OK starts the outro
};

template <class F>
void fields(const TalkState& t, F&& f) {
  f("questst", t.questst);
  f("lasttalk", t.lasttalk);
}
