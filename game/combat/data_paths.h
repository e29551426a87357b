#pragma once
// Where combat finds its data: every path of the fight files, the fight map,
// the enemy catalogue, the enemy files and the fight sprites, spelled once.
#include <string>

namespace combat {

inline constexpr const char* kFightFolder = "data\\levels\\Fights\\";
inline constexpr const char* kLevelsFolder = "data\\levels";
inline constexpr const char* kFightMapFolder = "data\\levels\\fights";
inline constexpr const char* kFightMap = "data\\levels\\fights\\fight.map";
inline constexpr const char* kFightMapTemp = "data\\levels\\fights\\fight.tmp";
inline constexpr const char* kEnemyCatalogue = "Data\\Combat\\enemies.dat";
inline constexpr const char* kEnemyFolder = "Data\\Combat\\";
inline constexpr const char* kFightSprites = "data\\sprites\\fight\\roamkin\\";
inline constexpr int kFightFrames = 8;  // the player's fight sprites 1.bmp .. 8.bmp
inline constexpr const char* kFightMusic = "Data\\Music\\fight.mp3";

// The fight file of a location's fight name.
inline std::string fight_file(const std::string& fgt) {
  return kFightFolder + fgt + ".fgt";
}

}  // namespace combat
