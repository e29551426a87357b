// The fight loop: one tick of Timer1 every 100 ms fills the readiness of the
// player and the enemies, animates the player's sprite and lets full enemies
// strike; clicks on the enemy pictures are the player's attacks.
#include "core/convert.h"
#include "core/rounding.h"
#include "game/combat/data_paths.h"
#include "game/combat/enemy.h"
#include "game/combat/rules.h"
#include "game/game.h"
#include "game/services/rmkin.h"

using core::str;

namespace {

// A readiness bar with its percentage 5 pixels to the right of its end.
void draw_bar(form::Form& f, const char* bar_name, const char* text_name, int32_t ready) {
  form::Control& bar = f[bar_name];
  bar.width = combat::bar_width(ready);
  form::Control& text = f[text_name];
  text.caption = str(ready) + " %";
  text.left = bar.left + bar.width + 5;
}

bool takes_part(const enemy& e) {
  return e.name != "no" && e.health > 0;
}

}  // namespace

void empty_meter(form::Form& f) {
  f["Image19"].visible = false;
  for (const char* name : {"PInventory", "PItems"}) {
    f[name].font.color = form::colors::white;
    f[name].enabled = false;
  }
  f["RadioButton1"].enabled = false;
  f["RadioButton2"].enabled = false;
  for (const char* name : {"fight", "Image9", "Image10", "Image11"})
    f[name].cursor = form::Cursor::arrow;
}

void Game::Timer1Timer() {
  // 1. All slots empty: the fight is won. The rest of the tick still runs,
  // out of sight.
  if (combat.enemy1.name == "no" && combat.enemy2.name == "no" && combat.enemy3.name == "no")
    victory();

  // 2-5. The player's meter.
  if (hero.ready == 0) empty_meter(form);
  load_picture("Image5", combat::kFightSprites + str(combat.fightframe) + ".bmp");
  combat::grow(rng, hero.ready, hero.agility);
  if (hero.ready > 30) {
    for (const char* name : {"PInventory", "PItems"}) {
      form[name].font.color = form::colors::navy;
      form[name].enabled = true;
    }
  }
  if (hero.ready > 45) {
    form["RadioButton1"].enabled = true;
    for (const char* name : {"fight", "Image9", "Image10", "Image11"})
      form[name].cursor = form::Cursor::cross;
  }
  if (hero.ready > 95) form["RadioButton2"].enabled = true;
  if (hero.ready > 100) hero.ready = 100;
  if (hero.ready == 100) form["Image19"].visible = true;

  // 6. The sprite runs 1 .. 8 .. 1, one frame a tick.
  combat.fightframe += combat.fightframestep == 1 ? 1 : -1;
  if (combat.fightframe == 8) combat.fightframestep = 2;
  if (combat.fightframe == 1) combat.fightframestep = 1;

  // 7. The player's bar.
  draw_bar(form, "Image8", "Label23", hero.ready);

  // 8. The enemies, slot by slot. A badly wounded enemy strikes early.
  for (int k = 1; k <= 3; ++k) {
    if (!takes_part(enemy_slot(k))) continue;
    const SlotControls& c = slot_controls(k);
    draw_bar(form, c.bar, c.ready, enemy_slot(k).ready);
    enemy& e = enemy_slot(k);
    combat::grow(rng, e.ready, e.agility);
    if (e.ready > 100) e.ready = 100;
    const int64_t half = core::Round(e.maxhealth / 2.0L);
    if (e.ready >= 50 && e.ready < 80 && e.health <= half) enemyhit(k);
    if (enemy_slot(k).ready == 100) enemyhit(k);
    // A strike that killed the player ended the fight: no one else strikes.
    if (!form["Timer1"].enabled) return;
  }
}

void Game::Image9Click() {
  if ((form["RadioButton1"].enabled || form["RadioButton2"].enabled) && combat.enemy1.name != "no")
    hitenemy(1);
}

void Game::Image11Click() {
  if ((form["RadioButton1"].enabled || form["RadioButton2"].enabled) && combat.enemy2.name != "no")
    hitenemy(2);
}

void Game::Image10Click() {
  if ((form["RadioButton1"].enabled || form["RadioButton2"].enabled) && combat.enemy3.name != "no")
    hitenemy(3);
}
