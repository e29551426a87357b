#pragma once
// A game on a scratch data folder, in virtual time, with the music recorded:
// the headless host, its parts under their short names.
// Tests write the data files they need (Windows-1251, CR LF) and drive the
// engine's handlers and timers directly.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "audio/music.h"
#include "core/paths.h"
#include "game/game.h"
#include "game/headless_host.h"
#include "game/runtime.h"
#include "game/scheduler.h"

class GameTest : public ::testing::Test {
 protected:
  GameTest();
  ~GameTest() override;

  // Writes a data file at a game path ("Data\\Config\\roamkin.cfg"), creating
  // its folders; lines are UTF-8 and written as Windows-1251 with CR LF.
  void write_file(const std::string& game_path, const std::vector<std::string>& lines,
                  bool final_newline = true);
  // Raw bytes of a data file ("" when missing).
  std::string read_bytes(const std::string& game_path) const;
  // Lines of a data file, converted to UTF-8.
  std::vector<std::string> read_lines(const std::string& game_path) const;
  bool exists(const std::string& game_path) const;
  // Copies the bundled demo data into the scratch folder.
  void use_demo_data();

  // A character start file with the given values (defaults are sensible).
  void write_start_file(int maxhealth = 100, int strength = 5, double hunger = 0, double thirst = 0,
                        double fatigue = 0, double radiation = 0, int money = 100);

  // A plain 24-bit BMP picture of the given size.
  void write_picture(const std::string& game_path, int width, int height);
  // The least a new game needs: the start file, a catalogue holding the
  // default weapon and armour, an empty inventory start file, the five intro
  // texts and a plain location "1" with no pictures named.
  void write_minimal_game();

  // Parks the menu as a new game does, so the play screen is what a click
  // reaches (clicks are refused on controls a player cannot see).
  void in_play() { game->park(form::Screen::menu); }

  // Lets virtual time pass, firing timers in order.
  void advance(int64_t ms);
  // Dispatches like a click in the window (errors collected in `errors`).
  void click(const std::string& control) { host->click(control); }
  void pick(const std::string& list, int row) { host->pick(list, row); }

  form::Control& ctl(const std::string& name) { return game->form[name]; }

  std::filesystem::path dir;
  core::DataRoot root;
  std::vector<std::string> errors;
  std::unique_ptr<HeadlessHost> host;  // before the names into it below
  VirtualRuntime& rt;
  audio::RecordingMusic& music;
  Game* const game;
  Scheduler* const scheduler;
};
