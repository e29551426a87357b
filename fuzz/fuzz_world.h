#pragma once
// Shared by the fuzz targets: a copy of the demo data in memory for the
// fuzzing process, raw writes into it, and a headless game on it in virtual
// time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/data_error.h"
#include "core/memory_files.h"
#include "core/paths.h"
#include "game/game.h"
#include "game/headless_host.h"
#include "game/records.h"

namespace fuzz {

// Where the in-memory data sets have their top folder.
inline constexpr const char* kTop = "/demo";

// The demo data as loaded into memory on first use (read-only).
const core::MemoryFiles& demo_data();

// The data folder the targets change (a copy of the demo data).
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
  // Runs a rule directly (not through the dispatcher), so that the data
  // error it raises is checked here.
  template <typename F>
  void run(F&& rule) {
    checked(rule);
  }
  // Lets virtual time pass with the timers firing (through the dispatcher),
  // the timers the rules run so far started included.
  void advance(int64_t ms);

  HeadlessHost host;
  Game& game = host.game;
};

}  // namespace fuzz
