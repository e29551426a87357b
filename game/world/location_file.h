#pragma once
// A location file ("data\levels\locations\NAME.loc"): a label line before each
// of 21 values (text names, then the dead time as an integer and four decimal
// rates), a separator on line 43, then up to 50 description lines.
#include <string>

#include "core/paths.h"
#include "game/world/location.h"

namespace world {

// Line numbers of the values, for whoever names a line of the file.
enum LocationLine {
  kLocnameLine = 2,
  kLocpicLine = 4,
  kPlaceLine = 6,
  kPlacepicLine = 8,
  kMusicLine = 10,
  kUpLine = 12,
  kDownLine = 14,
  kLeftLine = 16,
  kRightLine = 18,
  kTalksLine = 20,
  kTrdLine = 22,
  kPkpLine = 24,
  kFgtLine = 26,
  kFgtstartLine = 28,
  kFgtonceLine = 30,
  kDeadlyLine = 32,
  kDeadtimeLine = 34,
  kFirstDescLine = 44,
};
inline constexpr int kMaxDesc = 50;  // description lines kept; later lines are ignored

// The record with `file` set; DataError for a missing file or a bad value.
location read_location_file(const core::DataRoot& root, const std::string& name);
location parse_location_file(const std::string& file, const std::string& bytes);
// Lines the file has beyond the fiftieth description line (never shown).
int lines_past_description(const std::string& bytes);

}  // namespace world
