// Checks of the world: every location reachable by exits from "1" (through
// the engine's own loader), its pictures, music, partner list and pickup
// file, and every pickup file that a new game resets.
#include <deque>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "core/data_error.h"
#include "core/data_reader.h"
#include "tools/check/checker.h"

namespace check {

namespace {

constexpr const char* kLocations = "data\\levels\\locations\\";
constexpr const char* kTalks = "data\\levels\\talks\\";
constexpr const char* kPickup = "data\\levels\\Pickup\\";
constexpr int kMaxDesc = 50;
constexpr int kFirstDesc = 44;

// Line numbers of the value lines in a location file.
enum Line {
  kLocpic = 4,
  kPlacepic = 8,
  kMusic = 10,
  kUp = 12,
  kDown = 14,
  kLeft = 16,
  kRight = 18,
  kTalksLine = 20,
  kTrd = 22,
  kPkp = 24,
  kFgt = 26,
  kPlace = 6
};

bool exists(Context& ctx, const std::string& game_path) {
  try {
    return ctx.root.find(game_path).has_value();
  } catch (const core::DataError&) {
    return false;
  }
}

// A pickup file: three-line entries (kind, item, availability).
void check_pickup(Context& ctx, const std::string& file) {
  ctx.read_file(file);
  ctx.guard([&] {
    core::DataReader in(ctx.root, file);
    for (int first = 1; !in.eof(); first += 3) {
      in.line();  // the kind: any word is allowed
      if (in.eof()) {
        ctx.problem(file, first, "Entry cut short: the file ends after its kind line");
        return;
      }
      const std::string name = in.line();
      ctx.need_item(name, {file, first + 1});
      if (in.eof()) {
        ctx.problem(file, first + 1, "Entry cut short: the file ends after its item line");
        return;
      }
      const std::string availability = in.line();
      if (availability != "aviable" && availability != "unaviable")
        ctx.problem(file, first + 2,
                    "Availability '" + availability +
                        "' is neither \"aviable\" nor \"unaviable\" (the item is never listed)");
    }
  });
}

// A partner list: two-line entries (name, conversation). The conversations
// are left to their own check.
void check_partners(Context& ctx, const std::string& file) {
  ctx.read_file(file);
  ctx.guard([&] {
    core::DataReader in(ctx.root, file);
    for (int first = 1; !in.eof(); first += 2) {
      in.line();
      if (in.eof()) {
        ctx.problem(file, first, "Entry cut short: the partner has no conversation line");
        return;
      }
      ctx.conversations.push_back({in.line(), {file, first + 1}});
    }
  });
}

}  // namespace

void check_world(Context& ctx) {
  std::set<std::string> seen{"1"};
  std::deque<std::pair<std::string, Asker>> queue{{"1", {}}};
  std::set<std::string> partner_lists;
  while (!queue.empty()) {
    const std::string name = queue.front().first;
    const Asker asker = queue.front().second;
    queue.pop_front();
    const std::string file = kLocations + name + ".loc";
    ctx.read_file(file);
    if (!exists(ctx, file)) {
      if (asker.file.empty())
        ctx.problem(file, 0, "File not found (the game starts in location \"1\")");
      else
        ctx.problem(asker.file, asker.line, "Location '" + name + "' not found (" + file + ")");
      continue;
    }
    Game& g = ctx.game();
    g.loc = location{};
    if (!ctx.guard([&] { g.loadloc(name); })) continue;
    const location loc = g.loc;
    ctx.locations += 1;

    ctx.need_picture(loc.locpic, {file, kLocpic});
    ctx.need_picture(loc.placepic, {file, kPlacepic});
    ctx.need_music(loc.music, {file, kMusic});
    const std::pair<const std::string*, int> exits[] = {
        {&loc.goup, kUp}, {&loc.godown, kDown}, {&loc.goleft, kLeft}, {&loc.goright, kRight}};
    for (const auto& [exit, line] : exits) {
      if (*exit == "no") continue;
      if (seen.insert(*exit).second)
        queue.push_back({*exit, {file, line}});
      else if (!exists(ctx, kLocations + *exit + ".loc"))
        ctx.problem(file, line, "Location '" + *exit + "' not found");
    }
    if (loc.talks != "no") {
      const std::string talks_file = kTalks + loc.talks + ".tlk";
      if (!exists(ctx, talks_file))
        ctx.problem(file, kTalksLine, "Partner list not found (" + talks_file + ")");
      else if (partner_lists.insert(core::fold_case(loc.talks)).second)
        check_partners(ctx, talks_file);
    }
    // Ground items: a pickup name of "no" lists nothing, yet dropping an item
    // there writes the pickup file named "no".
    const std::string pkp_file = kPickup + loc.pkp + ".pkp";
    if (!exists(ctx, pkp_file))
      ctx.problem(file, kPkp,
                  loc.pkp == "no"
                      ? "Pickup file not found (" + pkp_file + "): dropping an item here writes it"
                      : "Pickup file not found (" + pkp_file + ")");
    if (loc.trd != "no") ctx.traders.push_back({loc.trd, {file, kTrd}});
    if (loc.fgt != "no") ctx.fights.push_back({loc.fgt, {file, kFgt}});
    if (loc.place == "Каморка") {
      ctx.need_file("Data\\Levels\\Locations\\dead.loc", {file, kPlace});
      ctx.need_file("Data\\Levels\\Locations\\done.loc", {file, kPlace});
    }
    // Lines after the fiftieth description line are never shown.
    ctx.guard([&] {
      if (core::read_all_lines(ctx.root, file).size() > kFirstDesc - 1 + kMaxDesc)
        ctx.problem(file, kFirstDesc + kMaxDesc,
                    "More than 50 description lines: this line and the rest are not shown");
    });
  }

  // A new game creates the fight map, so its folder must be there.
  ctx.guard([&] { ctx.root.for_write("data\\levels\\fights\\fight.map"); });

  // A new game rewrites every pickup file of the folder, reachable or not.
  std::optional<std::filesystem::path> folder;
  try {
    folder = ctx.root.find("data\\levels\\Pickup");
  } catch (const core::DataError&) {
  }
  if (!folder || !std::filesystem::is_directory(*folder)) {
    ctx.problem("data\\levels\\Pickup", 0, "Folder not found");
    return;
  }
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(*folder)) {
    const std::string filename = entry.path().filename().string();
    if (core::fold_case(entry.path().extension().string()) != ".pkp") continue;
    if (!entry.is_regular_file()) continue;
    names.insert(filename);
  }
  for (const std::string& filename : names) check_pickup(ctx, kPickup + filename);
}

}  // namespace check
