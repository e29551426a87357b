#pragma once
// Where the intro finds its texts and pictures.
namespace screens {

inline constexpr const char* kIntroFolder = "Data\\Intro\\";                  // 1.txt .. 5.txt
inline constexpr const char* kIntroPictureFolder = "Data\\Sprites\\Intro\\";  // 1.jpg .. 4.jpg
inline constexpr int kIntroTexts = 5;
inline constexpr int kIntroPictures = 4;

}  // namespace screens
