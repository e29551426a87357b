#pragma once
// The JSON view of the form model and of the game records, one object a
// line: what the runner's `show`, `dump` and `state` print and the window
// writes for its tests.
#include <string>
#include <vector>

#include "game/game.h"

std::string json_string(const std::string& utf8);
std::string json_lines(const std::vector<std::string>& lines);
std::string control_json(const form::Form& form, const form::Control& c);
std::string state_json(const Game& game);
