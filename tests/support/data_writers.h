#pragma once
// Writers of the game's data files for the tests, one per file format, each
// built from the record the game reads: a label line (which the game skips)
// before every value, in the reader's field order.
#include <string>
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

// A whole items.dat, the records in order.
inline Lines items_dat(const std::vector<catitem>& items) {
  Lines all;
  for (const catitem& r : items) {
    const Lines one = item_lines(r);
    all.insert(all.end(), one.begin(), one.end());
  }
  return all;
}
