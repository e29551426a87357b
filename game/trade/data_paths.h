#pragma once
// Where trade finds its data: the trader files and their portraits.
#include <string>

namespace trade {

inline constexpr const char* kTraderFolder = "data\\levels\\Trade\\";
inline constexpr const char* kPortraitFolder = "Data\\Sprites\\Traders\\";

inline std::string trader_file(const std::string& trd) {
  return kTraderFolder + trd + ".trd";
}
inline std::string portrait_file(const std::string& trd) {
  return kPortraitFolder + trd + ".jpg";
}

}  // namespace trade
