#pragma once
// Where the world finds its data: locations, pickup files, partner lists and
// conversations, spelled once.
#include <string>

namespace world {

inline constexpr const char* kLocationFolder = "data\\levels\\locations\\";
inline constexpr const char* kPickupFolder = "data\\levels\\Pickup";
inline constexpr const char* kTalkFolder = "data\\levels\\Talks\\";
inline constexpr const char* kDeadText = "Data\\Levels\\Locations\\dead.loc";
inline constexpr const char* kDoneText = "Data\\Levels\\Locations\\done.loc";
inline constexpr const char* kFirstLocation = "1";

inline std::string location_file(const std::string& name) {
  return kLocationFolder + name + ".loc";
}
// "no" names the file no.pkp like any other name.
inline std::string pickup_file(const std::string& pkp) {
  return std::string(kPickupFolder) + "\\" + pkp + ".pkp";
}
// Partner lists and conversations share the folder.
inline std::string talk_file(const std::string& name) {
  return kTalkFolder + name + ".tlk";
}

}  // namespace world
