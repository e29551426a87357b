#include "game/form/decorations.h"

#include <cmath>

namespace form {
namespace {

constexpr double kPi = 3.14159265358979323846;

QRgb mix(QRgb a, QRgb b, double t) {
  auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return qRgb(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)));
}

}  // namespace

QImage draw_emblem(int width, int height) {
  QImage img(width, height, QImage::Format_RGB32);
  const double cx = width / 2.0, cy = height / 2.0;
  const double r = std::min(width, height) / 2.0 - 2;
  const QRgb black = qRgb(0, 0, 0), amber = qRgb(230, 180, 20), dark = qRgb(40, 30, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double d = std::hypot(dx, dy);
      QRgb c = black;
      if (d <= r) {
        c = amber;
        const double angle = std::atan2(dy, dx) * 180.0 / kPi + 90.0;  // 0 at the top
        const double sector = std::fmod(angle + 360.0, 120.0);
        const bool blade = d > r * 0.22 && d < r * 0.78 && sector > 30.0 && sector < 90.0;
        const bool hub = d < r * 0.14;
        const bool ring = d > r * 0.88;
        if (blade || hub || ring) c = dark;
      } else if (d <= r + 1.5) {
        c = mix(amber, black, d - r);
      }
      img.setPixel(x, y, c);
    }
  }
  return img;
}

QImage draw_tower(int width, int height) {
  QImage img(width, height, QImage::Format_RGB32);
  const QRgb sky_top = qRgb(10, 10, 30), sky_low = qRgb(120, 50, 20);
  const QRgb wall = qRgb(25, 25, 25), window_light = qRgb(200, 160, 60);
  for (int y = 0; y < height; ++y) {
    const QRgb sky = mix(sky_top, sky_low, static_cast<double>(y) / height);
    for (int x = 0; x < width; ++x) img.setPixel(x, y, sky);
  }
  // The tower: a column narrowing upwards, with a broken top.
  const int base_left = width / 5, base_right = width - width / 5;
  for (int y = 0; y < height; ++y) {
    const double t = static_cast<double>(y) / height;
    const int inset = static_cast<int>((1.0 - t) * width * 0.12);
    int top_cut = static_cast<int>(height * 0.12 + 10 * std::sin(y * 0.7));
    for (int x = base_left + inset; x < base_right - inset; ++x) {
      const int jag = static_cast<int>(height * 0.1 + 14 * std::fabs(std::sin(x * 0.45)));
      if (y < std::max(jag, top_cut / 2)) continue;
      QRgb c = wall;
      const bool window_row = (y / 12) % 2 == 1 && y % 12 > 3 && y % 12 < 9;
      const bool window_col = (x - base_left) % 10 > 3 && (x - base_left) % 10 < 7;
      if (window_row && window_col && ((x * 7 + y * 3) / 10) % 5 == 0) c = window_light;
      img.setPixel(x, y, c);
    }
  }
  // Rubble at the foot.
  for (int y = height - 12; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if ((x * 13 + y * 7) % 5 < 3) img.setPixel(x, y, qRgb(35, 30, 25));
  return img;
}

std::vector<std::string> about_text() {
  return {
      "Vetrovay Demo Version",
      "Движок: Engine Build 0.8a",
      "",
      "Ролевая игра о сталкере в разрушенном краю.",
      "Ходите по локациям стрелками, подбирайте вещи, следите за голодом, жаждой, "
      "усталостью и облучением.",
      "",
      "Всё содержание игры лежит в папке Data и может быть изменено.",
      "",
      "Создатели: команда Vetrovay.",
  };
}

std::vector<std::string> closing_text() {
  return {
      "VETROVAY",
      "Ветровой край",
      "",
      "Демонстрационная версия",
      "",
      "",
      "Над игрой работали",
      "",
      "Движок:",
      "команда Vetrovay",
      "",
      "Мир, тексты и диалоги:",
      "команда Vetrovay",
      "",
      "Картинки:",
      "команда Vetrovay,",
      "нарисованы программой",
      "",
      "Музыка:",
      "команда Vetrovay,",
      "сыграна синтезатором",
      "",
      "Проверка и испытания:",
      "сценарии прогонщика",
      "",
      "",
      "Послесловие",
      "",
      "Староста долго смотрел в бинокль",
      "всезнания, а потом молча",
      "передал его соседу.",
      "",
      "Говорят, в нем видно, где",
      "ветер перестанет носить пыль",
      "над Ветровым краем.",
      "",
      "Котлован светится по-прежнему,",
      "Отшельник чертит мелом на стене,",
      "Барыга меняет все на все.",
      "",
      "А ты, бродяга, идешь дальше:",
      "дорог в этом краю больше,",
      "чем вмещает одна демоверсия.",
      "",
      "",
      "Спасибо, что играли.",
      "",
      "",
      "Конец",
  };
}

}  // namespace form
