#include "game/headless_host.h"

HeadlessHost::HeadlessHost(const core::DataRoot& root,
                           std::function<void(const std::string&)> on_error)
    : game(root, rt, music), scheduler(game.form) {
  // A handler's own blocking waits spend virtual time that the timers see.
  scheduler.follow_waits(rt);
  game.on_error = std::move(on_error);
}

void HeadlessHost::start() {
  run([this] { game.FormCreate(); });
}

void HeadlessHost::after_event() {
  scheduler.sync(rt.now);
}

bool HeadlessHost::click(const std::string& control, Press how) {
  const bool done = game.click(control, how);
  after_event();
  return done;
}

bool HeadlessHost::pick(const std::string& list, int row, Press how) {
  const bool done = game.pick(list, row, how);
  after_event();
  return done;
}

bool HeadlessHost::type(const std::string& edit, const std::string& text) {
  const bool done = game.type(edit, text);
  after_event();
  return done;
}

bool HeadlessHost::key(Key k) {
  const bool done = game.key(k);
  after_event();
  return done;
}

void HeadlessHost::run(const std::function<void()>& handler) {
  game.handle(handler);
  after_event();
}

void HeadlessHost::wait(int64_t ms) {
  scheduler.pass(rt, ms, [this](const std::string& timer) { game.tick(timer); });
}
