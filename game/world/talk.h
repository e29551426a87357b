#pragma once
// Conversations and the quest: the names the quest turns on, and one reply
// block of a conversation file. The quest's own state words (`talkstate.questst`,
// `talkstate.lasttalk`) live on Game beside the location.
#include <cstdint>
#include <string>
#include <vector>

namespace quest {

inline constexpr const char* kBackRoom = "Каморка";
inline constexpr const char* kGlass = "Стеклышко света";
inline constexpr const char* kBinoculars = "Бинокль всезнания";
inline constexpr const char* kElder = "Староста деревни";
inline constexpr const char* kFinalTalk = "lsttalk.tlk";
inline constexpr int32_t kPrice = 1500;

}  // namespace quest

// One reply block of a conversation file: its number (the second character
// of its header), the lowest level that may hear it, and its lines.
struct talkblock {
  int number = 0;
  int32_t minlevel = 0;
  std::vector<std::string> lines;
};
