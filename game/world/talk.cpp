// Conversations: the click on a partner, and one reply drawn among the
// partner's reply blocks that the character's level allows.
//
// The whole conversation file is read and checked before the screen changes,
// so a file that could never give a reply is reported and the screen stays as
// it was.
#include "game/world/talk.h"

#include <algorithm>

#include "core/data_error.h"
#include "core/picture.h"
#include "game/game.h"
#include "game/services/rmkin.h"
#include "game/world/data_paths.h"
#include "game/world/location.h"
#include "game/world/talk_file.h"
#include "game/world/talk_state.h"

using world::block_for;
using world::conversation;

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
  const std::string list_file = world::talk_file(loc.talks);
  std::string name;
  bool found = false;
  for (const world::partner& p : world::read_partner_list(root, list_file)) {
    if (p.name != partner) continue;
    name = p.conversation;
    found = true;
    break;
  }
  if (!found)
    throw core::DataError("Partner '" + partner + "' is not in the partner list", list_file);

  // 2-4. One reply among the first N blocks: r is drawn until a block of that
  // number is within the character's level. Numbers above 9 match no block,
  // so the draw is taken among 1 .. min(N, 9) only; the outcome is the same.
  const std::string file =
      override_file == "no" ? world::talk_file(name) : world::kTalkFolder + override_file;
  const conversation c = world::read_conversation(root, file);
  bool reachable = false;
  for (int r = 1; r <= std::min<int32_t>(c.n, world::kMaxBlockNumber); ++r)
    reachable = reachable || block_for(c, r, hero.level) != nullptr;
  if (!reachable)
    throw core::DataError(
        "No reply block of the conversation suits level " + std::to_string(hero.level), file);
  const talkblock* chosen = nullptr;
  while (chosen == nullptr)
    chosen =
        block_for(c, rng.Random(std::min<int32_t>(c.n, world::kMaxBlockNumber)) + 1, hero.level);

  // The picture, stretched into its frame, then the reply.
  form::Control& face = form["Image6"];
  QImage picture = core::load_picture(root, c.picture, {file, world::kTalkPictureLine});
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
