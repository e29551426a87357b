#pragma once
// Where the shell finds the intro's texts and pictures, the fixed music
// tracks and the death pictures.
namespace shell {

inline constexpr const char* kIntroFolder = "Data\\Intro\\";                  // 1.txt .. 5.txt
inline constexpr const char* kIntroPictureFolder = "Data\\Sprites\\Intro\\";  // 1.jpg .. 4.jpg
inline constexpr int kIntroTexts = 5;
inline constexpr int kIntroPictures = 4;

// The fixed music tracks (the fight's is combat's, the locations' are named
// in their files).
inline constexpr const char* kMenuMusic = "Data\\Music\\menu.mp3";
inline constexpr const char* kIntroMusic = "Data\\Music\\intro.mp3";
inline constexpr const char* kOutroMusic = "Data\\Music\\outro.mp3";

// The death screen's two pictures, flashed in turn.
inline constexpr const char* kDeathPictures[] = {"Data\\Death\\death1.bmp",
                                                 "Data\\Death\\death2.bmp"};

}  // namespace shell
