// Checks of the world: every location reachable by exits from "1", its
// pictures, music, partner list and pickup file, and every pickup file that a
// new game resets. Traders, fights and conversations are handed on to their
// own checks.
#include <deque>
#include <filesystem>
#include <set>
#include <string>

#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/files.h"
#include "game/combat/data_paths.h"
#include "game/world/data_paths.h"
#include "game/world/location.h"
#include "game/world/location_file.h"
#include "game/world/pickup_file.h"
#include "game/world/talk.h"
#include "game/world/talk_file.h"
#include "tools/check/checker.h"

namespace check {

namespace {

// A pickup file: three-line entries (rule, item, availability).
void check_pickup(Context& ctx, const std::string& file) {
  ctx.read_file(file);
  ctx.guard([&] {
    for (const world::pickupentry& e : world::read_pickup_file(ctx.root, file)) {
      if (e.lines == 1) {
        ctx.problem(file, e.line, "Entry cut short: the file ends after its kind line");
        return;
      }
      ctx.need_item(e.name, {file, e.line + 1});
      if (e.lines == 2) {
        ctx.problem(file, e.line + 1, "Entry cut short: the file ends after its item line");
        return;
      }
      check_rule_word(ctx, e.kind, {file, e.line});
      if (e.availability != "aviable" && e.availability != "unaviable")
        ctx.problem(file, e.line + 2,
                    "Availability '" + e.availability +
                        "' is neither \"aviable\" nor \"unaviable\" (the item is never listed)");
    }
  });
}

// A partner list: two-line entries (name, conversation). The conversations
// are left to their own check.
void check_partners(Context& ctx, const std::string& file) {
  ctx.read_file(file);
  ctx.guard([&] {
    for (const world::partner& p : world::read_partner_list(ctx.root, file)) {
      if (!p.complete) {
        ctx.problem(file, p.line, "Entry cut short: the partner has no conversation line");
        return;
      }
      ctx.conversations.push_back({p.conversation, {file, p.line + 1}});
    }
  });
}

}  // namespace

void check_world(Context& ctx) {
  using namespace world;
  std::set<std::string> seen{kFirstLocation};
  std::deque<std::pair<std::string, Asker>> queue{{kFirstLocation, {}}};
  std::set<std::string> partner_lists;
  while (!queue.empty()) {
    const std::string name = queue.front().first;
    const Asker asker = queue.front().second;
    queue.pop_front();
    const std::string file = location_file(name);
    ctx.read_file(file);
    if (!ctx.exists(file)) {
      if (asker.file.empty())
        ctx.problem(file, 0, "File not found (the game starts in location \"1\")");
      else
        ctx.problem(asker.file, asker.line, "Location '" + name + "' not found (" + file + ")");
      continue;
    }
    location loc;
    std::string bytes;
    if (!ctx.guard([&] {
          bytes = core::read_data_file(ctx.root, file);
          loc = parse_location_file(file, bytes);
        }))
      continue;
    ctx.locations += 1;

    ctx.need_picture(loc.locpic, {file, kLocpicLine});
    ctx.need_picture(loc.placepic, {file, kPlacepicLine});
    ctx.need_music(loc.music, {file, kMusicLine});
    const std::pair<const std::string*, int> exits[] = {{&loc.goup, kUpLine},
                                                        {&loc.godown, kDownLine},
                                                        {&loc.goleft, kLeftLine},
                                                        {&loc.goright, kRightLine}};
    for (const auto& [exit, line] : exits) {
      if (*exit == "no") continue;
      if (seen.insert(*exit).second)
        queue.push_back({*exit, {file, line}});
      else if (!ctx.exists(location_file(*exit)))
        ctx.problem(file, line, "Location '" + *exit + "' not found");
    }
    if (loc.talks != "no") {
      const std::string talks_file = talk_file(loc.talks);
      if (ctx.found(talks_file, {file, kTalksLine}, "Partner list") &&
          partner_lists.insert(core::fold_case(loc.talks)).second)
        check_partners(ctx, talks_file);
    }
    // Ground items: a pickup name of "no" lists nothing, yet dropping an item
    // or winning a fight there writes the pickup file named "no".
    const std::string pkp_file = pickup_file(loc.pkp);
    if (!ctx.exists(pkp_file))
      ctx.problem(file, kPkpLine,
                  loc.pkp == "no"
                      ? "Pickup file not found (" + pkp_file + "): dropping an item here writes it"
                      : "Pickup file not found (" + pkp_file + ")");
    if (loc.trd != "no") ctx.traders.push_back({loc.trd, {file, kTrdLine}});
    if (loc.fgt != "no") ctx.fights.push_back({loc.fgt, {file, kFgtLine}});
    if (loc.place == quest::kBackRoom) {
      ctx.need_file(kDeadText, {file, kPlaceLine});
      ctx.need_file(kDoneText, {file, kPlaceLine});
    }
    // Lines after the fiftieth description line are never shown.
    if (lines_past_description(bytes) > 0)
      ctx.problem(file, kFirstDescLine + kMaxDesc,
                  "More than 50 description lines: this line and the rest are not shown");
  }

  // A new game creates the fight map, so its folder must be there.
  ctx.guard([&] { ctx.root.for_write(combat::kFightMap); });

  // A new game rewrites every pickup file of the folder, reachable or not.
  const std::string folder = kPickupFolder;
  const auto found = ctx.root.find_inside(folder);
  if (!found || ctx.root.files().kind(*found) != core::Files::Kind::folder) {
    ctx.problem(folder, 0, "Folder not found");
    return;
  }
  for (const std::string& file : list_pickup_files(ctx.root)) check_pickup(ctx, file);
}

}  // namespace check
