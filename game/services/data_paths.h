#pragma once
// The fixed music tracks (the fight's is combat's, the locations' are named
// in their files).
namespace services {

inline constexpr const char* kMenuMusic = "Data\\Music\\menu.mp3";
inline constexpr const char* kIntroMusic = "Data\\Music\\intro.mp3";
inline constexpr const char* kOutroMusic = "Data\\Music\\outro.mp3";

}  // namespace services
