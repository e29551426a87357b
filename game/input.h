#pragma once
// How a player's input reaches the engine: the kind of a click and the keys
// the game answers. The window, the scripted runner and the tests all hand
// their input to Game::click, Game::pick, Game::type and Game::key, which
// decide whether a player could have made it.
#include <optional>
#include <string_view>

// How a click was made.
enum class Press {
  single,            // a mouse click
  second_of_double,  // the second click of a double click
  key,               // the keyboard pressed the control
};

// The keys the game answers.
enum class Key {
  enter,   // presses the button with the keyboard focus
  space,   // presses the button or radio button with the keyboard focus
  escape,  // closes the item viewer, ends the outro
  up,      // the four exits of the location
  down,
  left,
  right,
  mute,  // mutes or unmutes the music
};

// "enter", "space", "escape", "up", "down", "left", "right", "mute".
std::optional<Key> key_named(std::string_view name);
