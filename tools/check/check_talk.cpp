// Checks of conversations: every conversation a partner list names and the
// final conversation, with their pictures and the levels at which no reply
// block can be chosen.
#include <set>
#include <string>

#include "core/data_error.h"
#include "game/world/data_paths.h"
#include "game/world/talk.h"
#include "game/world/talk_file.h"
#include "tools/check/checker.h"

namespace check {

namespace {

void check_conversation(Context& ctx, const std::string& file) {
  ctx.read_file(file);
  ctx.guard([&] {
    const world::conversation c = world::read_conversation(ctx.root, file);
    ctx.need_picture(c.picture, {file, world::kTalkPictureLine});
    const std::optional<int32_t> lowest = world::lowest_reply_level(c);
    if (!lowest)
      ctx.problem(file, world::kTalkCountLine,
                  "No reply block can ever be chosen: none of the " + std::to_string(c.n) +
                      " blocks is numbered 1 to " +
                      std::to_string(std::min<int32_t>(c.n, world::kMaxBlockNumber)));
    else if (*lowest > ctx.start_level)
      ctx.problem(file, world::kTalkCountLine,
                  "No reply block can be chosen at levels " + std::to_string(ctx.start_level) +
                      " to " + std::to_string(*lowest - 1) + " (the talk stops with an error)");
  });
}

}  // namespace

void check_conversations(Context& ctx) {
  std::set<std::string> seen;
  for (const auto& entry : ctx.conversations) {
    const std::string& name = entry.first;
    const Asker& asker = entry.second;
    const std::string file = world::talk_file(name);
    if (!ctx.found(file, asker, "Conversation")) continue;
    if (seen.insert(core::fold_case(name)).second) check_conversation(ctx, file);
  }
  // The elder's last words end the game.
  const std::string final_talk = std::string(world::kTalkFolder) + quest::kFinalTalk;
  if (!ctx.exists(final_talk))
    ctx.problem(final_talk, 0, "File not found (the final conversation that ends the game)");
  else
    check_conversation(ctx, final_talk);
}

}  // namespace check
