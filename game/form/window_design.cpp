// The window as designed: every panel and control with its place, size, look
// and starting state. Panels are added in stacking order, each followed by
// its children.
#include <QColor>
#include <QImage>
#include <tuple>

#include "game/form/decorations.h"
#include "game/form/form.h"
#include "game/form/sprites.h"

namespace form {
namespace {

using namespace colors;

const char* kTimes = "Times New Roman";

struct Builder {
  Form& f;
  std::string panel;

  Control& add(Kind kind, const std::string& name, int left, int top, int width, int height) {
    Control c;
    c.name = name;
    c.kind = kind;
    c.parent = panel;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    // Children take their panel's font, as the window's controls do.
    if (const Control* p = f.find(panel)) c.font = p->font;
    return f.add(std::move(c));
  }
  Control& open_panel(const std::string& name, int left, int top, int width, int height, Color bg) {
    panel.clear();
    Control& p = add(Kind::Panel, name, left, top, width, height);
    p.background = bg;
    p.transparent = false;
    panel = name;
    return p;
  }
  Control& label(const std::string& name, int left, int top, const std::string& caption) {
    Control& c = add(Kind::Label, name, left, top, 0, 0);
    c.caption = caption;
    return c;
  }
  Control& image(const std::string& name, int left, int top, int width, int height,
                 bool hand = false) {
    Control& c = add(Kind::Image, name, left, top, width, height);
    if (hand) c.cursor = Cursor::hand;
    return c;
  }
  Control& memo(const std::string& name, int left, int top, int width, int height) {
    Control& c = add(Kind::Memo, name, left, top, width, height);
    c.read_only = true;
    c.transparent = false;
    return c;
  }
  Control& list(const std::string& name, int left, int top, int width, int height) {
    Control& c = add(Kind::List, name, left, top, width, height);
    c.transparent = false;
    return c;
  }
  Control& button(const std::string& name, int left, int top, int width, int height,
                  const std::string& caption) {
    Control& c = add(Kind::Button, name, left, top, width, height);
    c.caption = caption;
    return c;
  }
  void timer(const std::string& name, int interval, bool enabled) {
    std::string keep = panel;
    panel.clear();
    Control& t = add(Kind::Timer, name, 0, 0, 0, 0);
    t.interval = interval;
    t.enabled = enabled;
    panel = keep;
  }
};

Font font(const std::string& family, int px, bool bold, Color color, bool italic = false) {
  return Font{family, px, bold, italic, color};
}

void status_panel(Builder& b) {
  b.open_panel("Panel1", 0, 0, 184, 521, navy).font = font(kTimes, 13, true, yellow);
  b.label("Label10", 8, 2, "Имя:");
  b.label("Label3", 8, 18, "Здоровье:");
  b.label("Label11", 8, 33, "Сила:");
  b.label("Label12", 8, 49, "Ловкость:");
  b.label("Label13", 8, 65, "Интеллект:");
  b.label("Label14", 8, 81, "Опыт:").font = font(kTimes, 12, true, olive);
  b.label("Label24", 8, 97, "Деньги:");
  b.label("Label16", 8, 116, "Жажда:");
  b.label("Label15", 8, 132, "Голод:");
  b.label("Label17", 8, 148, "Усталость:");
  b.label("Label18", 8, 164, "Облучение:");
  b.label("Label4", 1, 179, "______________________________").font = font(kTimes, 13, true, grey);
  Control& gun = b.label("Label19", 8, 198, "Оружие:");
  gun.font = font(kTimes, 13, false, silver);
  gun.cursor = Cursor::hand;
  Control& arm = b.label("Label20", 8, 214, "Защита:");
  arm.font = font(kTimes, 13, false, silver);
  arm.cursor = Cursor::hand;
  b.label("Label21", 8, 232, "Инвентарь:").font = font(kTimes, 13, true, grey);
  Control& inv = b.list("PInventory", 8, 248, 169, 153);
  inv.background = medium_grey;
  inv.font = font(kTimes, 13, false, navy);
  inv.cursor = Cursor::hand;
  b.image("Image24", 8, 408, 81, 26, true).picture_file = form::button_sprite("view_p.bmp");
  b.image("Image25", 96, 408, 81, 26, true).picture_file = form::button_sprite("use_n.bmp");
  b.image("Image26", 48, 440, 81, 26, true).picture_file = form::button_sprite("throw_n.bmp");
  b.label("Label22", 8, 472, "Вес:").font = font(kTimes, 13, false, silver);
  Control& msg = b.label("Label5", 8, 496, "");
  msg.font = font(kTimes, 13, false, red);
  msg.visible = false;
}

void date_and_place(Builder& b) {
  b.open_panel("Panel2", 224, 8, 297, 41, grey).font = font(kTimes, 13, true, navy);
  b.label("Label1", 8, 4, "Год:");
  b.label("Label2", 8, 21, "Утро").font = font(kTimes, 13, true, aqua);

  b.open_panel("Panel3", 280, 64, 169, 169, black).font = font(kTimes, 13, true, olive);
  b.label("Label6", 8, 5, "");
  b.image("Image1", 16, 24, 137, 137);
}

void location_panel(Builder& b) {
  b.open_panel("Location", 192, 240, 377, 281, black).font = font(kTimes, 13, false, white);
  Control& memo = b.memo("LocMemo", 8, 8, 361, 169);
  memo.background = medium_grey;
  memo.font = font("Arial", 13, false, navy);
  memo.scroll_vertical = true;
  memo.word_wrap = true;
  const char* arrows = form::kArrowFolder;
  b.image("Image15", 33, 184, 40, 35, true).picture_file = std::string(arrows) + "up_n.bmp";
  b.image("Image16", 32, 240, 40, 35, true).picture_file = std::string(arrows) + "down_n.bmp";
  b.image("Image17", 8, 208, 35, 40, true).picture_file = std::string(arrows) + "left_n.bmp";
  b.image("Image18", 61, 208, 35, 40, true).picture_file = std::string(arrows) + "right_n.bmp";
  const char* buttons = form::kButtonFolder;
  b.image("Image20", 288, 184, 81, 26, true).picture_file = std::string(buttons) + "trade_n.bmp";
  Control& give = b.image("Image27", 288, 184, 81, 26, true);
  give.picture_file = std::string(buttons) + "give_n.bmp";
  give.visible = false;
  Control& fight = b.image("Image21", 288, 216, 81, 26, true);
  fight.picture_file = std::string(buttons) + "fight_n.bmp";
  fight.visible = false;
  Control& pay = b.image("Image28", 288, 248, 81, 26, true);
  pay.picture_file = std::string(buttons) + "pay_n.bmp";
  pay.visible = false;
  Control& ok = b.image("Image23", 144, 208, 81, 26, true);
  ok.picture_file = std::string(buttons) + "ok_n.bmp";
  ok.visible = false;
}

void area_panel(Builder& b) {
  b.open_panel("Panel5", 576, 0, 201, 521, navy).font = font(kTimes, 13, true, yellow);
  b.label("Label7", 8, 8, "Локация:");
  b.image("Image2", 52, 32, 100, 100);
  b.label("Label26", 16, 144, "Предметы").font = font(kTimes, 13, true, silver);
  Control& items = b.list("PItems", 8, 168, 184, 169);
  items.background = medium_grey;
  items.font = font(kTimes, 13, false, navy);
  b.label("Label42", 16, 368, "Собеседники").font = font(kTimes, 13, true, silver);
  Control& talk = b.list("tlk", 8, 392, 185, 120);
  talk.background = silver;
  talk.font = font(kTimes, 13, false, blue);
}

void viewer_panel(Builder& b) {
  b.open_panel("PShow", 1890, 273, 387, 161, navy).font = font(kTimes, 13, false, white);
  b.image("Image3", 8, 8, 180, 120);
  Control& memo = b.memo("Memo1", 197, 8, 185, 145);
  memo.background = medium_grey;
  memo.font = font(kTimes, 12, false, navy);
  // Long lines wrap instead of running out of sight, so the memo needs no
  // horizontal scroll bar.
  memo.scroll_vertical = true;
  memo.word_wrap = true;
  b.image("Image37", 64, 132, 81, 26, true).picture_file = form::button_sprite("close_n.bmp");
}

void death_panel(Builder& b) {
  b.open_panel("death", 1920, 240, 377, 281, black).font = font(kTimes, 13, false, white);
  b.label("Label25", 80, 16, "Ты мертв, Roamkin !").font = font(kTimes, 19, true, silver);
  b.image("Image4", 15, 55, 350, 217);
}

// A readiness bar: a green strip whose width the fight sets (0 .. 50).
QImage bar_picture() {
  QImage strip(50, 8, QImage::Format_RGB32);
  strip.fill(QColor(0, 200, 0));
  return strip;
}

void fight_panel(Builder& b) {
  b.open_panel("fight", 1920, 240, 377, 281, black).font = font(kTimes, 13, false, white);
  // The enemy columns: slot 1 left (middle when alone), slot 3 middle, slot 2 right.
  for (auto [picture, bar, ready, health, left] :
       {std::tuple{"Image9", "Image12", "Label30", "Label33", 8},
        std::tuple{"Image11", "Image14", "Label32", "Label35", 280},
        std::tuple{"Image10", "Image13", "Label31", "Label34", 144}}) {
    b.image(picture, left, 4, 89, 113).visible = false;
    Control& strip = b.image(bar, left, 124, 0, 8);
    strip.picture = bar_picture();
    strip.visible = false;
    Control& percent = b.label(ready, left + 56, 120, "0 %");
    percent.font = font(kTimes, 12, false, lime);
    percent.visible = false;
    Control& number = b.label(health, left + 32, 136, "");
    number.font = font(kTimes, 13, true, red);
    number.visible = false;
  }
  b.image("Image5", 8, 176, 64, 96);
  Control& bar = b.image("Image8", 80, 184, 0, 8);
  bar.picture = bar_picture();
  b.label("Label23", 85, 180, "0 %").font = font(kTimes, 12, false, lime);
  for (auto [name, top, caption] :
       {std::tuple{"RadioButton1", 204, "Одиночный"}, std::tuple{"RadioButton2", 224, "Очередь"}}) {
    Control& radio = b.add(Kind::Radio, name, 80, top, 90, 17);
    radio.caption = caption;
    radio.group = "fire";
    radio.font = font(kTimes, 13, false, white);
  }
  b.f["RadioButton1"].checked = true;
  Control& run = b.image("Image19", 80, 248, 81, 26, true);
  run.picture_file = form::button_sprite("runaway_n.bmp");
  run.visible = false;
  Control& log = b.memo("Memo2", 176, 152, 193, 121);
  log.background = medium_grey;
  log.font = font("Arial", 12, false, navy);
  log.scroll_vertical = true;
  log.word_wrap = true;
}

void levelup_panel(Builder& b) {
  b.open_panel("levelup", 1920, 40, 169, 201, black).font = font(kTimes, 13, false, silver);
  b.label("Label40", 14, 8, "Повышение уровня").font = font(kTimes, 16, true, silver);
  for (auto [label, minus, plus, top, caption] :
       {std::tuple{"Label36", "Button15", "Button16", 40, "Здоровье:"},
        std::tuple{"Label37", "Button17", "Button18", 63, "Сила:"},
        std::tuple{"Label38", "Button19", "Button20", 109, "Ловкость:"},
        std::tuple{"Label39", "Button21", "Button22", 132, "Интеллект:"}}) {
    b.label(label, 16, top + 3, caption);
    Control& less = b.button(minus, 120, top, 20, 20, "-");
    less.font = font(kTimes, 13, true, navy);
    less.enabled = false;
    b.button(plus, 144, top, 20, 20, "+").font = font(kTimes, 13, true, navy);
  }
  b.label("Label41", 16, 86, "Грузоподъемность:");
  Control& points = b.add(Kind::Edit, "Edit1", 16, 168, 41, 21);
  points.caption = "10";
  points.read_only = true;
  points.background = white;
  points.transparent = false;
  points.font = font("MS Sans Serif", 11, false, black);
  Control& take = b.image("Image22", 64, 166, 81, 26, true);
  take.picture_file = form::button_sprite("take_n.bmp");
  take.visible = false;
}

// The trade screen: the trader's portrait and stock above, the offer with its
// buttons below.
void trader_panels(Builder& b) {
  b.open_panel("Trader", 2250, 226, 387, 161, navy).font = font(kTimes, 13, false, white);
  b.label("Label27", 8, 6, "").font = font(kTimes, 13, true, yellow);
  b.image("Image7", 8, 30, 100, 120);
  Control& stock = b.list("StringGrid1", 120, 8, 259, 145);
  stock.background = medium_grey;
  stock.font = font(kTimes, 13, false, navy);
  stock.cursor = Cursor::hand;

  b.open_panel("Trading", 2250, 388, 387, 137, navy).font = font(kTimes, 13, false, white);
  b.label("Label28", 8, 8, "").font = font(kTimes, 13, true, yellow);
  Control& price = b.label("Label8", 8, 32, "Цена:");
  price.font = font(kTimes, 13, true, silver);
  price.visible = false;
  b.label("Label29", 56, 32, "").font = font(kTimes, 13, true, white);
  const std::string dir = form::kButtonFolder;
  for (auto [name, left, top, file] :
       {std::tuple{"Image29", 8, 64, "view_n.bmp"}, std::tuple{"Image30", 100, 64, "buy_n.bmp"},
        std::tuple{"Image31", 192, 64, "sell_n.bmp"},
        std::tuple{"Image32", 284, 64, "cancel_n.bmp"},
        std::tuple{"Image38", 284, 100, "leave_n.bmp"}}) {
    Control& button = b.image(name, left, top, 81, 26, true);
    button.picture_file = dir + file;
    button.enabled = std::string(name) == "Image38";
  }
}

// The conversation partner's picture, stretched into its frame.
void talk_picture_panel(Builder& b) {
  b.open_panel("tlkpic", 2000, 64, 65, 65, black);
  b.image("Image6", 4, 4, 57, 57);
}

// Screens whose controls come with their own subsystems.
void later_panels(Builder& b) {
  fight_panel(b);
  trader_panels(b);
  levelup_panel(b);
  talk_picture_panel(b);
}

void menu_panel(Builder& b) {
  b.open_panel("menu", 0, 0, 777, 521, black).font = font(kTimes, 13, false, silver);
  b.label("Label43", 224, 185, "Vetrovay Demo Version").font = font(kTimes, 21, true, yellow);
  Control& sign = b.label("Label44", 563, 496, "© Vetrovay");
  sign.font = font(kTimes, 16, false, silver, true);
  sign.visible = false;
  Control& emblem = b.image("Image33", 662, 423, 113, 97);
  emblem.picture_file = kEmblemPicture;
  // Drawn once: every game builds its window from the same art.
  static const QImage emblem_art = draw_emblem(113, 97);
  static const QImage tower_art = draw_tower(81, 180);
  emblem.picture = emblem_art;
  emblem.visible = false;
  Control& tower = b.image("Image34", 354, 88, 81, 180);
  tower.picture_file = kTowerPicture;
  tower.picture = tower_art;
  tower.visible = false;
  Control& name_label = b.label("Label45", 343, 283, "Имя:");
  name_label.font = font(kTimes, 13, false, silver);
  name_label.visible = false;
  Control& edit = b.add(Kind::Edit, "Edit2", 384, 280, 65, 25);
  edit.caption = "Roamkin";
  edit.max_length = 20;
  edit.background = white;
  edit.transparent = false;
  edit.font = font("MS Sans Serif", 11, false, black);
  edit.visible = false;
  const Font push = font(kTimes, 16, true, navy);
  for (auto [name, top, caption] :
       {std::tuple{"BitBtn1", 320, "Начать игру"}, std::tuple{"BitBtn2", 376, "Информация"},
        std::tuple{"BitBtn3", 432, "Выход"}}) {
    Control& btn = b.button(name, 345, top, 105, 33, caption);
    btn.font = push;
    btn.visible = false;
  }
  Control& about = b.memo("Memo3", 303, 296, 177, 113);
  about.background = navy;
  about.font = font(kTimes, 13, false, silver);
  about.scroll_vertical = true;
  about.word_wrap = true;
  about.lines = about_text();
  about.visible = false;
  Control& ok = b.button("BitBtn4", 360, 424, 75, 25, "OK");
  ok.font = push;
  ok.visible = false;
}

void intro_panel(Builder& b) {
  b.open_panel("intro", 2000, 0, 777, 521, black).font = font(kTimes, 13, false, silver);
  b.image("Image35", 156, 40, 486, 345);
  Control& text = b.memo("Memo4", 151, 392, 497, 121);
  text.background = black;
  text.font = font(kTimes, 16, false, silver);
  text.border = false;
  text.word_wrap = true;
  Control& skip = b.button("BitBtn5", 680, 8, 89, 25, "Пропустить");
  skip.font = font(kTimes, 13, true, navy);
}

void outro_panel(Builder& b) {
  b.open_panel("outro", 2000, 0, 777, 521, black).font = font(kTimes, 13, false, silver);
  // The closing picture comes from the data folder when the game has one.
  b.image("Image36", 190, 80, 486, 345).picture_file = "Data\\Sprites\\Outro\\outro.jpg";
  Control& text = b.memo("outrmemo", 518, 540, 249, 1109);
  text.background = black;
  text.font = font("Book Antiqua", 13, false, silver);
  text.border = false;
  text.word_wrap = true;
  text.lines = closing_text();
  for (auto [name, left, top] : {std::tuple{"uppnl", 513, -1}, std::tuple{"downpnl", 517, 520}}) {
    Control& strip = b.add(Kind::Panel, name, left, top, 260, 2);
    strip.background = black;
    strip.transparent = false;
  }
}

}  // namespace

Form build_form() {
  Form f;
  Builder b{f, {}};
  status_panel(b);
  date_and_place(b);
  location_panel(b);
  area_panel(b);
  viewer_panel(b);
  death_panel(b);
  later_panels(b);
  menu_panel(b);
  intro_panel(b);
  outro_panel(b);
  b.timer("Timer1", 100, false);
  b.timer("Timer2", 1000, false);
  b.timer("Timer3", 2000, false);
  b.timer("Timer4", 1000, false);
  b.timer("Timer5", 1, true);
  b.timer("Timer6", 20000, false);
  b.timer("Timer7", 10000, false);
  b.timer("Timer8", 20, false);  // a frame of the outro, which is paced by time
  return f;
}

}  // namespace form
