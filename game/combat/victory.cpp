// The end of an enemy (money, experience, loot), the end of a won fight, and
// running away.
#include <vector>

#include "core/checked.h"
#include "core/convert.h"
#include "game/combat/enemy.h"
#include "game/form/sprites.h"
#include "game/game.h"
#include "game/services/music_state.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"
#include "game/world/talk.h"
#include "game/world/talk_state.h"

using core::sat_add;
using core::sat_sub;
using core::str;

namespace {

// Back from the fight screen to the location.
void leave_fight(Game& g) {
  g.park(form::Screen::fight);
  g.show(form::Screen::location);
}

}  // namespace

void Game::deathen(int k, const enemy& e) {
  const SlotControls& c = slot_controls(k);
  load_picture(c.picture, e.deadpicture);
  form[c.bar].visible = false;
  form[c.ready].visible = false;
  form[c.health].visible = false;
  form::Control& log = form["Memo2"];
  log.add(e.name + " уничтожен !");
  const int32_t m = sat_add(e.minmoney, rng.Random(sat_sub(e.maxmoney, e.minmoney)));
  hero.money = sat_add(hero.money, m);
  hero.exp = sat_add(hero.exp, e.exp);
  showroamkin();
  log.add("Найдено денег: " + str(m));

  // The loot goes to the ground in one rewrite of the pickup file, so a
  // failed write leaves none of it there rather than a part. A pickup name of
  // "no" names the file no.pkp, as for a drop: the loot goes there and is
  // listed until the next refresh of the location.
  std::vector<std::string> dropped;
  for (int i = 1; i <= e.lootcount && i <= kMaxLoot; ++i) {
    const auto at = static_cast<size_t>(i);
    if (e.lootrule[at] == "always" || rng.Random(100) <= 50) dropped.push_back(e.loot[at]);
  }
  if (!dropped.empty()) addtoground(dropped);
  setitems();
}

void Game::victory() {
  stop_music();
  start_track(loc.music, true);
  for (const char* name : {"PInventory", "PItems"}) {
    form[name].font.color = form::colors::navy;
    form[name].enabled = true;
  }
  form["Memo2"].add("Бой закончен !");
  hero.ready = 10;
  rt.wait(2000);
  form["LocMemo"].add("Я победил в сражении.");
  for (const char* name : {"Image26", "Image25", "Image24"}) form[name].visible = true;
  leave_fight(*this);
  form["Timer1"].stop();
  // The fight map learns of a won one-time fight before the location is
  // shown again below, so the back room's refresh cannot start it anew.
  if (loc.fgtonce == "once") setfgt(loc.place);
  if (loc.place == quest::kBackRoom) {
    setloc();
    if (talkstate.questst != "done") addtoground(quest::kBinoculars);
    set_questst("dead");
    setitems();
    setloc();
  }
  if (levelup_due()) levupst();
  forget_track();
}

void Game::Image19Click() {
  press("Image19", form::button_sprite("runaway_p.bmp"), form::button_sprite("runaway_n.bmp"));
  hero.ready = 0;
  form::Control& log = form["Memo2"];
  const int r = rng.Random(sat_sub(60, hero.intellect));
  if (r > hero.intellect) {
    log.add("Неудача !");
    rt.wait(1000);
    return;
  }
  for (const char* name : {"PInventory", "PItems", "Label21", "Label26"}) form[name].visible = true;
  log.add("Удалось скрыться !");
  log.add("Опыт: +10");
  hero.exp = sat_add(hero.exp, 10);
  showroamkin();
  hero.ready = 10;
  rt.wait(2000);
  form["LocMemo"].add("Мне удалось избежать боя.");
  for (const char* name : {"Image25", "Image24", "Image26"}) form[name].visible = true;
  leave_fight(*this);
  stop_music();
  start_track(loc.music, true);
  form["Timer1"].stop();
  if (levelup_due()) levupst();
}
