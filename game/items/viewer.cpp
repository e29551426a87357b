// The item viewer: picture and description of one item over the location.
#include "core/convert.h"
#include "game/form/sprites.h"
#include "game/game.h"
#include "game/items/catalogue.h"
#include "game/world/location.h"

using core::str;

void Game::showitem(const std::string& name, int count, int integrity) {
  const catitem item = catalogue::find_item(root, name);
  load_picture("Image3", item.picture);
  const int64_t packs = catalogue::packs(count, item);
  form::Control& memo = form["Memo1"];
  memo.clear();
  memo.add("Предмет: " + item.name);
  const int64_t weight = item.kind == "ammo" ? item.weight * packs : item.weight;
  memo.add("Вес: " + str(weight));
  memo.add("Ориентировочная цена: " + str(item.price * packs));
  if (item.kind == "food") showfood(item.ref);
  if (item.kind == "drink") showdrink(item.ref);
  if (item.kind == "medik") showmedik(item.ref);
  if (item.kind == "gun") showgun(item.ref, integrity);
  if (item.kind == "armor") showarmor(item.ref, integrity);
  if (item.kind == "ammo") memo.add("Количество: " + str(count));
  if (item.kind == "toolkit_w") memo.add("Увеличивает целостность оружия на 30%");
  if (item.kind == "toolkit_a") memo.add("Увеличивает целостность защиты на 30%");
  memo.add("Описание: " + item.description);
}

void Game::showgun(int ref, int integrity) {
  const guns g = catalogue::find_gun(root, ref);
  form::Control& memo = form["Memo1"];
  memo.add("Повреждение: " + str(g.mindmg) + " - " + str(g.maxdmg));
  memo.add("Используемые боеприпасы: " + g.ammo);
  memo.add("Целостность: " + str(integrity) + "%");
  memo.add(std::string("Режим стрельбы: одиночный") + (g.burst > 0 ? "/очередь" : ""));
}

void Game::showarmor(int ref, int integrity) {
  const armors a = catalogue::find_armor(root, ref);
  form::Control& memo = form["Memo1"];
  memo.add("Защита: " + str(a.protect));
  memo.add("Устойчивость к радиации: " + str(a.radres));
  memo.add("Целостность: " + str(integrity) + "%");
}

namespace {

// The three effect lines of medicine, drink and food; only the need differs.
void effect_lines(form::Control& memo, const consumable& c, const std::string& need) {
  memo.add("Увеличивает жизнь на " + str(c.life));
  memo.add(need + str(c.needcut) + "%");
  memo.add("Уменьшает усталость на " + str(c.fatiguecut) + "%");
}

}  // namespace

void Game::showmedik(int ref) {
  effect_lines(form["Memo1"], catalogue::find_consumable(root, catalogue::kMedik, ref),
               "Уменьшает радиацию на ");
}

void Game::showdrink(int ref) {
  effect_lines(form["Memo1"], catalogue::find_consumable(root, catalogue::kDrink, ref),
               "Утоляет жажду на ");
}

void Game::showfood(int ref) {
  effect_lines(form["Memo1"], catalogue::find_consumable(root, catalogue::kFood, ref),
               "Утоляет голод на ");
}

void Game::open_viewer() {
  park(form::Screen::location);
  show(form::Screen::viewer);
  form["Image37"].visible = true;
}

void Game::Image37Click() {
  press("Image37", form::button_sprite("close_p.bmp"), form::button_sprite("close_n.bmp"));
  show(form::Screen::location);
  park(form::Screen::viewer);
}
