// Conversations: the click on a partner, and one reply drawn among the
// partner's reply blocks that the character's level allows.
//
// A conversation file: label, picture, label, N, then N reply blocks. A block
// is a header whose second character is its number, the block's lowest level,
// its text lines, and a line beginning with ";" that is also the next block's
// header. The whole file is read and checked before the screen changes, so a
// file that could never give a reply is reported and the screen stays as it
// was.
#include "game/world/talk.h"

#include <algorithm>

#include "core/convert.h"
#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/picture.h"
#include "game/game.h"

namespace {

constexpr const char* kTalks = "data\\levels\\Talks\\";
constexpr const char* kFinalFolder = "Data\\levels\\Talks\\";
constexpr int kMaxNumber = 9;  // a block number is one decimal digit

struct conversation {
  std::string picture;
  int32_t n = 0;
  std::vector<talkblock> blocks;  // the first N blocks, in file order
};

// The second character of a header (UTF-8), as the block's number.
int block_number(const std::string& header, const std::string& file, int line) {
  size_t start = 1;
  while (start < header.size() && (static_cast<unsigned char>(header[start]) & 0xC0) == 0x80)
    ++start;
  size_t end = start + 1;
  while (end < header.size() && (static_cast<unsigned char>(header[end]) & 0xC0) == 0x80) ++end;
  const std::string digit = start < header.size() ? header.substr(start, end - start) : "";
  return core::to_int(digit, file, line);
}

conversation read_conversation(const core::DataRoot& root, const std::string& file) {
  core::DataReader in(root, file);
  conversation c;
  in.skip();
  c.picture = in.line();
  in.skip();
  c.n = in.read_int();
  if (c.n < 1)
    throw core::DataError("A conversation needs at least one reply block", file, in.line_number());
  std::string header;
  for (int32_t k = 1; k <= c.n; ++k) {
    if (in.eof())
      throw core::DataError("Reply block " + std::to_string(k) + " is missing", file,
                            in.line_number() + 1);
    if (k == 1) header = in.line();
    talkblock b;
    b.number = block_number(header, file, in.line_number());
    b.minlevel = in.read_int();
    for (;;) {
      if (in.eof())
        throw core::DataError("Reply block " + std::to_string(k) + " has no closing ';' line", file,
                              in.line_number());
      std::string line = in.line();
      if (!line.empty() && line[0] == ';') {
        header = std::move(line);
        break;
      }
      b.lines.push_back(std::move(line));
    }
    c.blocks.push_back(std::move(b));
  }
  return c;
}

// The first block of number r that the level allows, or nullptr.
const talkblock* block_for(const conversation& c, int r, int32_t level) {
  for (const talkblock& b : c.blocks)
    if (b.number == r && b.minlevel <= level) return &b;
  return nullptr;
}

}  // namespace

void Game::tlkClick() {
  const form::Control& partners = form["tlk"];
  if (partners.row < 0 || partners.row >= static_cast<int>(partners.rows.size())) return;
  const std::string name = partners.rows[static_cast<size_t>(partners.row)];
  if (name.empty()) return;  // the blank row of an empty partner list
  if (name == quest::kElder && itmsrsh(quest::kBinoculars)) {
    talk(name, quest::kFinalTalk);
    talkstate.lasttalk = true;  // only once the final reply is on screen
  } else {
    talk(name, "no");
  }
}

void Game::talk(const std::string& partner, const std::string& override_file) {
  // 1. The partner's conversation name, from the location's partner list.
  const std::string list_file = kTalks + loc.talks + ".tlk";
  std::string name;
  bool found = false;
  {
    core::DataReader list(root, list_file);
    while (!list.eof() && !found) {
      const std::string entry = list.line();
      const std::string conversation_name = list.line();
      if (entry == partner) {
        name = conversation_name;
        found = true;
      }
    }
  }
  if (!found)
    throw core::DataError("Partner '" + partner + "' is not in the partner list", list_file);

  // 2-4. One reply among the first N blocks: r is drawn until a block of that
  // number is within the character's level. Numbers above 9 match no block,
  // so the draw is taken among 1 .. min(N, 9) only; the outcome is the same.
  const std::string file =
      override_file == "no" ? kTalks + name + ".tlk" : kFinalFolder + override_file;
  const conversation c = read_conversation(root, file);
  bool reachable = false;
  for (int r = 1; r <= std::min<int32_t>(c.n, kMaxNumber); ++r)
    reachable = reachable || block_for(c, r, hero.level) != nullptr;
  if (!reachable)
    throw core::DataError(
        "No reply block of the conversation suits level " + std::to_string(hero.level), file);
  const talkblock* chosen = nullptr;
  while (chosen == nullptr)
    chosen = block_for(c, rng.Random(std::min<int32_t>(c.n, kMaxNumber)) + 1, hero.level);

  // The picture, stretched into its frame, then the reply.
  form::Control& face = form["Image6"];
  QImage picture = core::load_picture(root, c.picture);
  face.picture =
      picture.scaled(face.width, face.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  face.picture_file = c.picture;
  show(form::Screen::talk);
  form::Control& memo = form["LocMemo"];
  memo.clear();
  for (const std::string& line : chosen->lines) memo.add(line);

  // 5. No moving or trading until OK.
  for (const char* c_name : {"Image20", "Image16", "Image15", "Image17", "Image18"})
    form[c_name].visible = false;
  form["Image23"].visible = true;
}
