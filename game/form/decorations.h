#pragma once
// What the window carries with it rather than reading from the data folder:
// the two decorative pictures of the menu, the about text and the closing text.
#include <QImage>
#include <string>
#include <vector>

namespace form {

inline constexpr const char* kEmblemPicture = "(window) emblem";
inline constexpr const char* kTowerPicture = "(window) tower";

// A radiation sign in a ring, drawn pixel by pixel.
QImage draw_emblem(int width, int height);
// A ruined tower against a dusk sky.
QImage draw_tower(int width, int height);

std::vector<std::string> about_text();
std::vector<std::string> closing_text();

}  // namespace form
