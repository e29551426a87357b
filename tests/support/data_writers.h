#pragma once
// Writers of the game's data files for the tests, one per file format, each
// built from the record the game reads: a label line (which the game skips)
// before every value, in the reader's field order.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "game/items/catalogue.h"

using Lines = std::vector<std::string>;

inline Lines join(const std::vector<Lines>& parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// One record of "Data\Objects\items.dat".
inline Lines item_lines(const catitem& r) {
  return {"Название",   r.name,
          "Картинка",   r.picture,
          "Количество", std::to_string(r.quantity),
          "Вес",        std::to_string(r.weight),
          "Тип",        r.kind,
          "Номер",      std::to_string(r.ref),
          "Цена",       std::to_string(r.price),
          "Описание",   r.description};
}

// One record of "Data\Objects\guns.dat".
inline Lines gun_lines(const guns& r) {
  return {"Номер",      std::to_string(r.id),
          "Патроны",    r.ammo,
          "Одиночный",  std::to_string(r.single),
          "Очередь",    std::to_string(r.burst),
          "Мин",        std::to_string(r.mindmg),
          "Макс",       std::to_string(r.maxdmg),
          "Состояние",  std::to_string(r.state),
          "Износ мин",  std::to_string(r.wearmin),
          "Износ макс", std::to_string(r.wearmax),
          "Текст 1",    r.text1,
          "Текст 2",    r.text2,
          "Текст 3",    r.text3,
          "Текст 4",    r.text4};
}

// One record of "Data\Objects\armor.dat".
inline Lines armor_lines(const armors& r) {
  return {"Номер",      std::to_string(r.id),
          "Защита",     std::to_string(r.protect),
          "Радиация",   std::to_string(r.radres),
          "Состояние",  std::to_string(r.state),
          "Износ мин",  std::to_string(r.wearmin),
          "Износ макс", std::to_string(r.wearmax),
          "Текст",      r.text};
}

// One record of food.dat, drink.dat or medik.dat.
inline Lines consumable_lines(const consumable& r) {
  return {"Номер",     std::to_string(r.id),         "Жизнь", std::to_string(r.life),
          "Усталость", std::to_string(r.fatiguecut), "Нужда", std::to_string(r.needcut)};
}

// A whole items.dat, the records in order.
inline Lines items_dat(const std::vector<catitem>& items) {
  Lines all;
  for (const catitem& r : items) {
    const Lines one = item_lines(r);
    all.insert(all.end(), one.begin(), one.end());
  }
  return all;
}

// A location file ("data\levels\locations\NAME.loc"): its values as text, so
// that a test can also write a value the game rejects ("12,5", "много"), in the
// order the file gives them (the trader before the pickup name), then a
// separator line and the description.
struct LocFile {
  std::string locname = "Пустырь";
  std::string locpic = "Data\\Sprites\\Locations\\area.bmp";
  std::string place = "Двор";
  std::string placepic = "Data\\Sprites\\Places\\yard.bmp";
  std::string music = "Data\\Music\\wind.mp3";
  std::string goup = "no";
  std::string godown = "no";
  std::string goleft = "no";
  std::string goright = "no";
  std::string talks = "no";
  std::string trd = "no";
  std::string pkp = "no";
  std::string fgt = "no";
  std::string fgtstart = "no";
  std::string fgtonce = "no";
  std::string deadly = "no";
  std::string deadtime = "0";
  std::string hungrate = "0,5";
  std::string thirstrate = "0.25";
  std::string tiredrate = "1";
  std::string radrate = "0";
  std::vector<std::string> desc = {"Ветер гонит пыль.", "Вокруг никого."};

  std::vector<std::string> lines() const {
    const std::string values[] = {locname,    locpic,    place,   placepic, music,    goup,
                                  godown,     goleft,    goright, talks,    trd,      pkp,
                                  fgt,        fgtstart,  fgtonce, deadly,   deadtime, hungrate,
                                  thirstrate, tiredrate, radrate};
    std::vector<std::string> out;
    int label = 1;
    for (const std::string& v : values) {
      out.push_back("Поле " + std::to_string(label++));
      out.push_back(v);
    }
    out.push_back("Описание:");
    out.insert(out.end(), desc.begin(), desc.end());
    return out;
  }
};

// A trader file ("data\levels\Trade\NAME.trd"): the name and five texts, the
// seven factors on the sale price (guns, armour, ammunition, medicine,
// artefacts, food, drink) each after its note, as text so that a test can
// write any factor, then the caption line and the stock (item, level lines).
struct TraderFile {
  std::string name = "Торговец";
  std::array<std::string, 5> extras = {"-", "-", "-", "-", "-"};
  std::array<std::string, 7> notes = {"-", "-", "-", "-", "-", "-", "-"};
  std::array<std::string, 7> rates = {"1", "1", "1", "1", "1", "1", "1"};
  Lines stock;

  Lines lines() const {
    Lines out{"Имя", name};
    for (const std::string& e : extras) out.insert(out.end(), {"Заметка", e});
    for (size_t i = 0; i < rates.size(); ++i)
      out.insert(out.end(), {"Заметка", notes[i], "Множитель", rates[i]});
    out.push_back("Товар");
    out.insert(out.end(), stock.begin(), stock.end());
    return out;
  }
};

// An enemy file ("Data\Combat\KEY.enm"): a label line before each of its
// twenty values, the loot caption, then item and rule lines.
struct EnemyFile {
  std::string name = "Крыса";
  int health = 10, mindamage = 2, maxdamage = 2, armor = 0, exp = 5, agility = 0, accuracy = 31;
  int minmoney = 0, maxmoney = 0;
  std::string picture = "Data\\Pictures\\Enemies\\dog.bmp";
  std::string hitpicture = "Data\\Pictures\\Enemies\\dog_hit.bmp";
  std::string deadpicture = "Data\\Pictures\\Enemies\\dog_dead.bmp";
  std::vector<std::pair<std::string, std::string>> loot;  // item, rule

  std::vector<std::string> lines() const {
    const std::string n = "0", t = "-";
    auto str = [](int v) { return std::to_string(v); };
    const std::string values[] = {name,       t,        str(health), str(mindamage), str(maxdamage),
                                  str(armor), str(exp), n,           str(agility),   str(accuracy),
                                  t,          n,        picture,     hitpicture,     deadpicture,
                                  t,          t,        t,           str(minmoney),  str(maxmoney)};
    std::vector<std::string> out;
    for (const std::string& v : values) {
      out.push_back("Метка");
      out.push_back(v);
    }
    out.push_back("Добыча");
    for (const auto& [item, rule] : loot) {
      out.push_back(item);
      out.push_back(rule);
    }
    return out;
  }
};

// A conversation file ("data\levels\Talks\NAME.tlk", also lsttalk.tlk): the
// picture and the block count (as text, so that a test can write a bad one)
// after their labels, then the blocks, and a closing ";" line unless `closed`
// is false.
struct TalkBlock {
  std::string header;  // ";" and the block's number
  std::string level;   // the lowest level
  Lines text;
};

struct TalkFile {
  std::string picture = "Data\\Sprites\\Talk\\face.bmp";
  std::string count = "1";
  std::vector<TalkBlock> blocks;
  bool closed = true;

  Lines lines() const {
    Lines out{"Картинка", picture, "Блоков", count};
    for (const TalkBlock& b : blocks) {
      out.push_back(b.header);
      out.push_back(b.level);
      out.insert(out.end(), b.text.begin(), b.text.end());
    }
    if (closed) out.push_back(";");
    return out;
  }
};
