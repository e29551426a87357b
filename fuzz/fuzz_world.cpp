#include "fuzz/fuzz_world.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef VETROVAY_DEMO_DATA
#define VETROVAY_DEMO_DATA "demo"
#endif

namespace fs = std::filesystem;

namespace fuzz {

namespace {

fs::path scratch;

void remove_scratch() {
  std::error_code ec;
  if (!scratch.empty()) fs::remove_all(scratch, ec);
}

// The real path of a game path below a folder, found ignoring case or made up
// from the path's own components.
fs::path real_path(const core::DataRoot& root, const std::string& game_path) {
  if (auto found = root.find(game_path)) return *found;
  return root.for_write(game_path);
}

}  // namespace

const core::DataRoot& world() {
  static const core::DataRoot* root = [] {
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    scratch = base / ("vetrovay-fuzz-" + std::to_string(::getpid()));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    fs::copy(fs::path(VETROVAY_DEMO_DATA) / "Data", scratch / "Data", fs::copy_options::recursive);
    std::atexit(remove_scratch);
    return new core::DataRoot(scratch);
  }();
  return *root;
}

void put(const std::string& game_path, std::string_view bytes) {
  std::ofstream out(real_path(world(), game_path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void restore(const std::string& game_path) {
  const core::DataRoot demo(VETROVAY_DEMO_DATA);
  const auto original = demo.find(game_path);
  if (!original) {
    std::error_code ec;
    fs::remove(real_path(world(), game_path), ec);
    return;
  }
  std::ifstream in(*original, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  put(game_path, bytes.str());
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

Headless::Headless() : game(world(), rt, music), scheduler(game.form) {
  scheduler.follow_waits(rt);
  game.on_error = [](const std::string&) {};
}

void Headless::advance(int64_t ms) {
  scheduler.sync(rt.now);
  scheduler.pass(rt, ms, [this](const std::string& timer) { game.tick(timer); });
}

}  // namespace fuzz
