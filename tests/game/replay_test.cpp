// Replay: the game after a sequence of events depends only on the events and
// the virtual times at which they happen, never on how the time between them
// is cut. Seeded random scripts on the demo data (a trader, the quest, the
// outro, a new game, a fight and the level-up, with random waits, clicks,
// picks and keys between the steps) are played once as written and once with
// every wait cut at random points; both must end in the same game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "audio/music.h"
#include "core/paths.h"
#include "game/game.h"
#include "game/headless_host.h"
#include "game/json_view.h"
#include "game/runtime.h"
#include "game/scheduler.h"

#ifndef VETROVAY_TEST_TMP
#define VETROVAY_TEST_TMP "/tmp/vetrovay-tests"
#endif

namespace fs = std::filesystem;

namespace {

// One step of a script: what the runner's click, pick, key, type and wait do.
struct Step {
  enum Kind { click, pick, key, type, wait } kind;
  std::string name;
  int64_t arg = 0;
};

// The demo data with a start file one experience point from the next level
// and the bunker's automatic fights off, so that every script can reach the
// level-up and the quest's end.
fs::path demo_copy(const std::string& name) {
  const fs::path dir = fs::path(VETROVAY_TEST_TMP) / "replay" / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy(fs::path(VETROVAY_DEMO_DATA) / "Data", dir / "Data", fs::copy_options::recursive);
  const core::DataRoot root(dir);
  auto set_line = [&root](const std::string& path, size_t index, const std::string& text) {
    const fs::path file = root.find(path).value();
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    in.close();
    lines.at(index) = text + "\r";
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\n";
  };
  set_line("Data\\Config\\roamkin.cfg", 13, "1");
  for (const char* loc : {"9", "10", "12"})
    set_line(std::string("data\\levels\\locations\\") + loc + ".loc", 25, "no");
  return dir;
}

// Plays a script through the entry points every host uses and answers what
// each step did, then the game records and every control.
std::string play(const std::vector<Step>& script, const std::string& name) {
  const core::DataRoot root(demo_copy(name));
  std::ostringstream out;
  HeadlessHost host(root,
                    [&out](const std::string& message) { out << "error: " << message << "\n"; });
  Game& game = host.game;
  host.start();
  for (const Step& s : script) {
    if (host.rt.quit_requested) break;
    bool done = true;
    switch (s.kind) {
      case Step::click:
        done = host.click(s.name);
        break;
      case Step::pick:
        done = host.pick(s.name, static_cast<int>(s.arg));
        break;
      case Step::key:
        done = host.key(*key_named(s.name));
        break;
      case Step::type:
        done = host.type("Edit2", s.name);
        break;
      case Step::wait:
        host.wait(s.arg);
        continue;
    }
    out << s.name << (done ? "" : " refused") << "\n";
  }
  out << state_json(game) << "\n";
  for (const form::Control& c : game.form.controls()) out << control_json(game.form, c) << "\n";
  return out.str();
}

// The route every script takes, one step a word: a control to click,
// LIST:ROW to pick, =TEXT to type the name, ~LOW-HIGH to wait a random time,
// ?KEY to press a key one time in three.
constexpr const char* kRoute =
    "~3000-3000 =Тест BitBtn1 ~0-3000 BitBtn5 "
    // the trader on the square: a stock line, its detail, buy and leave
    "Image15 Image15 Image20 StringGrid1:3 Image29 Image30 Image29 Image32 Image38 "
    // the elder, the glass from the pit, the hermit, the elder and the outro,
    // ended by its own time or early by the player
    "Image17 Image15 tlk:0 Image18 tlk:1 Image23 Image18 Image18 Image16 Image18 PItems:0 "
    "Image17 Image15 Image18 Image18 Image27 PItems:1 Image17 Image17 Image17 Image17 tlk:0 "
    "Image23 ~20000-130000 ?escape ~130000-130000 "
    // a new game: the knife against the stray dog, the level-up
    "~3000-3000 =Второй BitBtn1 ~0-3000 BitBtn5 Image25 PInventory:0 Image15 Image15 Image17 "
    "Image21";

// Builds a seeded random script along the route.
class ScriptMaker {
 public:
  explicit ScriptMaker(uint32_t seed) : random_(seed) {}

  std::vector<Step> make() {
    std::istringstream route(kRoute);
    for (std::string w; route >> w;) {
      if (w[0] == '~') {
        wait(between(std::stoi(w.substr(1)), std::stoi(w.substr(w.find('-') + 1))));
      } else if (w[0] == '=') {
        add({Step::type, w.substr(1)});
      } else if (w[0] == '?') {
        if (chance(3)) add({Step::key, w.substr(1)});
      } else if (const size_t colon = w.find(':'); colon != std::string::npos) {
        step({Step::pick, w.substr(0, colon), std::stoi(w.substr(colon + 1))});
      } else {
        step({Step::click, w});
      }
    }
    for (int i = 0; i < 9; ++i) {
      wait(between(500, 5000));
      step({Step::click, "Image9"});
    }
    wait(between(1000, 4000));
    const char* levelup[] = {"Button15", "Button16", "Button17", "Button18", "Button19",
                             "Button20", "Button21", "Button22", "Image22"};
    for (int i = 0; i < 40; ++i) step({Step::click, levelup[between(0, 8)]});
    wait(between(0, 30000));
    return std::move(script_);
  }

 private:
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int one_in) { return between(1, one_in) == 1; }
  void add(Step s) { script_.push_back(std::move(s)); }
  void wait(int ms) { add({Step::wait, "wait", ms}); }
  void step(Step s) {
    add(std::move(s));
    noise();
  }
  // Now and then a wait, a key, an attack, a pickup, or a look at an item
  // closed again: input that may or may not hit, and keeps to the route.
  void noise() {
    if (chance(2)) wait(between(1, 2500));
    if (chance(6)) {
      const char* keys[] = {"enter", "space", "escape", "mute"};
      add({Step::key, keys[between(0, 3)]});
    }
    if (chance(8)) {
      const char* controls[] = {"Image9", "Image10", "Image11", "RadioButton2"};
      add({Step::click, controls[between(0, 3)]});
    }
    if (chance(10)) add({Step::pick, "PItems", between(0, 4)});
    if (chance(10)) {
      add({Step::pick, "PInventory", between(0, 4)});
      add({Step::key, "escape"});
    }
  }

  std::mt19937 random_;
  std::vector<Step> script_;
};

// The same script with each wait cut into up to five waits at random points.
std::vector<Step> cut_waits(const std::vector<Step>& script, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<Step> out;
  for (const Step& s : script) {
    if (s.kind != Step::wait) {
      out.push_back(s);
      continue;
    }
    std::vector<int64_t> cuts{0, s.arg};
    const int pieces = std::uniform_int_distribution<int>(0, 4)(random);
    for (int i = 0; i < pieces; ++i)
      cuts.push_back(std::uniform_int_distribution<int64_t>(0, s.arg)(random));
    std::sort(cuts.begin(), cuts.end());
    for (size_t i = 1; i < cuts.size(); ++i)
      out.push_back({Step::wait, "wait", cuts[i] - cuts[i - 1]});
  }
  return out;
}

}  // namespace

TEST(ReplayTest, HowTheWaitsAreCutNeverChangesTheGame) {
  int outros = 0, levelups = 0;
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    const std::vector<Step> script = ScriptMaker(seed).make();
    const std::string whole = play(script, "whole");
    const std::string cut = play(cut_waits(script, seed * 7919), "cut");
    ASSERT_EQ(whole, cut) << "seed " << seed;
    outros +=
        whole.find("\nImage23\n") != std::string::npos && whole.find("Второй") != std::string::npos;
    levelups += whole.find("\nButton16\n") != std::string::npos;
  }
  // The scripts reach what they are about, not only the menu.
  EXPECT_GE(outros, 6);
  EXPECT_GE(levelups, 6);
}
