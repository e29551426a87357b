#pragma once
// The death screen's two pictures, flashed in turn.
namespace progression {

inline constexpr const char* kDeathPictures[] = {"Data\\Death\\death1.bmp",
                                                 "Data\\Death\\death2.bmp"};

}  // namespace progression
