#pragma once
// The files of conversations in "data\levels\Talks\":
//
// A partner list (NAME.tlk): two-line entries, the partner's name as listed
// and the name of the partner's conversation file.
//
// A conversation file (NAME.tlk, and the final conversation lsttalk.tlk):
// label, picture, label, N (an integer, at least 1), then N reply blocks. A
// block is a header whose second character is its number (one digit), the
// block's lowest level, its text lines, and a line beginning with ";" that is
// also the next block's header. Blocks after the Nth are never read.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/paths.h"
#include "game/world/talk.h"

namespace world {

struct partner {
  std::string name;
  std::string conversation;
  int line = 0;   // the name's line
  bool complete;  // the entry has its conversation line
};

std::vector<partner> read_partner_list(const core::DataRoot& root, const std::string& file);
std::vector<partner> parse_partner_list(const std::string& file, const std::string& bytes);

inline constexpr int kTalkPictureLine = 2;
inline constexpr int kTalkCountLine = 4;
inline constexpr int kMaxBlockNumber = 9;  // a block number is one decimal digit

struct conversation {
  std::string file;
  std::string picture;
  int32_t n = 0;
  std::vector<talkblock> blocks;  // the first N blocks, in file order
};

// DataError when N is below 1, a block is missing or has no closing ";" line,
// or a number or level does not convert.
conversation read_conversation(const core::DataRoot& root, const std::string& file);
conversation parse_conversation(const std::string& file, const std::string& bytes);

// The block a draw of r gives at the level: the first block numbered r that
// the level allows, or nullptr.
const talkblock* block_for(const conversation& c, int r, int32_t level);
// The lowest level at which some block can be drawn; nothing when none ever
// can (no block numbered within 1 .. min(N, 9)).
std::optional<int32_t> lowest_reply_level(const conversation& c);

}  // namespace world
