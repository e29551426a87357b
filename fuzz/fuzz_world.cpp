#include "fuzz/fuzz_world.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/memory_files.h"

#ifndef VETROVAY_DEMO_DATA
#define VETROVAY_DEMO_DATA "demo"
#endif

namespace fs = std::filesystem;

namespace fuzz {

namespace {

// The demo as loaded, and the set the targets change.
const std::shared_ptr<core::MemoryFiles>& demo() {
  static const auto files =
      std::make_shared<core::MemoryFiles>(core::MemoryFiles::load(VETROVAY_DEMO_DATA, kTop));
  return files;
}

const std::shared_ptr<core::MemoryFiles>& scratch() {
  static const auto files = std::make_shared<core::MemoryFiles>(*demo());
  return files;
}

// The real path of a game path, found ignoring case or made up from the
// path's own components.
fs::path real_path(const core::DataRoot& root, const std::string& game_path) {
  if (auto found = root.find(game_path)) return *found;
  return root.for_write(game_path);
}

}  // namespace

const core::MemoryFiles& demo_data() {
  return *demo();
}

const core::DataRoot& world() {
  static const core::DataRoot root(kTop, scratch());
  return root;
}

void put(const std::string& game_path, std::string_view bytes) {
  scratch()->put(real_path(world(), game_path), std::string(bytes));
}

void restore(const std::string& game_path) {
  static const core::DataRoot original(kTop, demo());
  const fs::path path = real_path(world(), game_path);
  const auto found = original.find(game_path);
  const auto bytes = found ? demo()->read(*found) : std::nullopt;
  if (bytes) {
    scratch()->put(path, *bytes);
  } else {
    scratch()->remove(path);
  }
}

std::string_view as_text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

void expect_named(const core::DataError& e) {
  if (e.file().empty()) {
    std::fprintf(stderr, "data error without a file: %s\n", e.what());
    std::abort();
  }
}

Headless::Headless() : host(world(), [](const std::string&) {}) {}

void Headless::advance(int64_t ms) {
  host.scheduler.sync(host.rt.now);
  host.wait(ms);
}

}  // namespace fuzz
