#pragma once
// One game without a window: virtual time, the recording music channel, the
// engine and its timers, with the timers picked up after every event. The
// runner and the tests play through it.
#include <cstdint>
#include <string>

#include "audio/music.h"
#include "core/paths.h"
#include "game/game.h"
#include "game/runtime.h"
#include "game/scheduler.h"

class HeadlessHost {
 public:
  // on_error receives every data error a handler reports.
  HeadlessHost(const core::DataRoot& root, std::function<void(const std::string&)> on_error);

  // Creates the window (FormCreate); the menu's animation then runs on wait.
  void start();
  // The input of a player; each answers false when the engine refuses it.
  bool click(const std::string& control, Press how = Press::single);
  bool pick(const std::string& list, int row, Press how = Press::single);
  bool type(const std::string& edit, const std::string& text);
  bool key(Key k);
  // Runs a rule or handler as an event (errors reported as above).
  void run(const std::function<void()>& handler);
  // Lets ms of virtual time pass, firing timers in order; however the waits
  // are cut, the same time gives the same game.
  void wait(int64_t ms);

  VirtualRuntime rt;
  audio::RecordingMusic music;
  Game game;
  Scheduler scheduler;

 private:
  // Picks up the timers the event started, stopped or changed.
  void after_event();
};
