#pragma once
// Shared by the fuzz targets: a copy of the demo data in memory for the
// fuzzing process, raw writes into it, and a headless game on it in virtual
// time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "audio/music.h"
#include "core/data_error.h"
#include "core/paths.h"
#include "game/game.h"
#include "game/records.h"
#include "game/runtime.h"
#include "game/scheduler.h"

namespace fuzz {

// The data folder (the demo data, loaded into memory on first use).
const core::DataRoot& world();

// Replaces a data file's bytes (the file is created when missing).
void put(const std::string& game_path, std::string_view bytes);
// Puts the demo's own bytes of a file back.
void restore(const std::string& game_path);

std::string_view as_text(const uint8_t* data, size_t size);

// A data error must name the file it is about; anything else is a fault of
// the engine's messages, reported as a crash.
void expect_named(const core::DataError& e);

// Runs a read or a rule, checking the data error it raises.
template <typename F>
void checked(F&& read) {
  try {
    read();
  } catch (const core::DataError& e) {
    expect_named(e);
  }
}

// A fresh game on the scratch world, errors collected but not printed.
struct Headless {
  Headless();
  // Runs a rule as the dispatcher would, checking the error it raises.
  template <typename F>
  void run(F&& rule) {
    checked(rule);
  }
  // Lets virtual time pass with the timers firing (through the dispatcher).
  void advance(int64_t ms);

  VirtualRuntime rt;
  audio::RecordingMusic music;
  Game game;
  Scheduler scheduler;
};

}  // namespace fuzz
