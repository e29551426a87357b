// Checks of combat: every fight file a location names, the enemy keys in the
// enemy catalogue, each enemy file with its pictures and loot, and the
// player's fight sprites.
#include <map>
#include <set>
#include <string>

#include "core/data_error.h"
#include "game/combat/data_paths.h"
#include "game/combat/enemy.h"
#include "game/combat/enemy_catalogue.h"
#include "game/combat/enemy_file.h"
#include "game/combat/fight_file.h"
#include "tools/check/checker.h"

namespace check {

namespace {

void check_enemy_file(Context& ctx, const combat::enemyentry& entry) {
  const std::string file = combat::enemy_file_path(entry.file);
  ctx.read_file(file);
  if (!ctx.found(file, {combat::kEnemyCatalogue, entry.line + 1}, "Enemy file")) return;
  ctx.guard([&] {
    const enemy e = combat::read_enemy_file(ctx.root, entry.file);
    ctx.need_picture(e.picture, {file, combat::kEnemyPictureLine});
    ctx.need_picture(e.hitpicture, {file, combat::kEnemyHitPictureLine});
    ctx.need_picture(e.deadpicture, {file, combat::kEnemyDeadPictureLine});
    for (int i = 1; i <= e.lootcount; ++i) {
      const auto at = static_cast<size_t>(i);
      ctx.need_item(e.loot[at], {file, combat::loot_line(i)});
      check_rule_word(ctx, e.lootrule[at], {file, combat::loot_line(i) + 1});
    }
  });
}

}  // namespace

void check_fights(Context& ctx) {
  // key -> where it was named
  std::map<std::string, std::vector<Asker>> keys;
  std::set<std::string> seen;
  for (const auto& fight : ctx.fights) {
    const std::string& name = fight.first;
    const Asker& asker = fight.second;
    const std::string file = combat::fight_file(name);
    if (!ctx.found(file, asker, "Fight file")) continue;
    if (!seen.insert(core::fold_case(name)).second) continue;
    ctx.read_file(file);
    ctx.guard([&] {
      const combat::fightfile f = combat::read_fight_file(ctx.root, name);
      if (f.lines < 3)
        ctx.problem(file, f.lines + 1,
                    "Line missing: a fight file names three enemy slots, this one " +
                        std::to_string(f.lines));
      for (int j = 0; j < f.lines && j < 3; ++j) {
        const std::string& key = f.keys[static_cast<size_t>(j)];
        if (j > 0 && key == "no") continue;
        keys[key].push_back({file, j + 1});
      }
    });
  }
  if (ctx.fights.empty()) return;

  ctx.read_file(combat::kEnemyCatalogue);
  std::vector<combat::enemyentry> catalogue;
  if (!ctx.guard([&] { catalogue = combat::read_enemy_catalogue(ctx.root); })) return;
  std::set<std::string> files;
  for (const auto& [key, askers] : keys) {
    const combat::enemyentry* entry = combat::find_enemy(catalogue, key);
    if (entry == nullptr) {
      for (const Asker& a : askers)
        ctx.problem(a.file, a.line,
                    "Enemy '" + key + "' is not in the enemy catalogue " + combat::kEnemyCatalogue);
      continue;
    }
    if (files.insert(core::fold_case(entry->file)).second) check_enemy_file(ctx, *entry);
  }
  for (int frame = 1; frame <= combat::kFightFrames; ++frame)
    ctx.need_picture(combat::kFightSprites + std::to_string(frame) + ".bmp", {});
}

}  // namespace check
