#pragma once
// The picture buttons' sprite files: every button the rules press or redraw
// has a normal ("_n.bmp") and a pressed ("_p.bmp") sprite in the buttons
// folder; the four arrows have theirs in the arrows folder.
#include <string>

namespace form {

inline constexpr const char* kButtonFolder = "Data\\Sprites\\Buttons\\";
inline constexpr const char* kArrowFolder = "Data\\Sprites\\Arrows\\";

// The buttons the rules load sprites for, by the sprite's stem.
inline constexpr const char* kButtonSprites[] = {
    "view", "use", "throw", "fight",  "trade", "ok",    "pay",     "give",
    "sell", "buy", "leave", "cancel", "take",  "close", "runaway",
};
inline constexpr const char* kArrowSprites[] = {"up", "down", "left", "right"};

// "Data\Sprites\Buttons\" + file.
inline std::string button_sprite(const std::string& file) {
  return kButtonFolder + file;
}

}  // namespace form
