#include "game/json_view.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::string number(double v) {
  // JSON has no infinity or NaN.
  if (!std::isfinite(v)) return "null";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  (void)ec;
  return std::string(buf, end);
}

std::string color(form::Color c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

std::string cursor(form::Cursor c) {
  switch (c) {
    case form::Cursor::hand:
      return "hand";
    case form::Cursor::arrow:
      return "arrow";
    case form::Cursor::cross:
      return "cross";
    case form::Cursor::standard:
      break;
  }
  return "default";
}

std::string boolean(bool b) {
  return b ? "true" : "false";
}

// Builds one JSON object field by field.
struct Object {
  std::string text = "{";
  Object& raw(const char* key, const std::string& value) {
    if (text.size() > 1) text += ",";
    text += "\"" + std::string(key) + "\":" + value;
    return *this;
  }
  Object& str(const char* key, const std::string& v) { return raw(key, json_string(v)); }
  Object& num(const char* key, long long v) { return raw(key, std::to_string(v)); }
  Object& real(const char* key, double v) { return raw(key, number(v)); }
  // Record fields, whatever their type (for the field lists of the records).
  Object& operator()(const char* key, const std::string& v) { return str(key, v); }
  Object& operator()(const char* key, int32_t v) { return num(key, v); }
  Object& operator()(const char* key, double v) { return real(key, v); }
  template <size_t N>
  Object& operator()(const char* key, const std::array<std::string, N>& v) {
    // Lists indexed from 1: entry 0 is not part of the record.
    return raw(key, json_lines(std::vector<std::string>(v.begin() + 1, v.end())));
  }
  Object& operator()(const char* key, const enemy& e) {
    Object o;
    enemy_fields(e, o);
    return raw(key, o.done());
  }
  std::string done() { return text + "}"; }
};

}  // namespace

std::string json_lines(const std::vector<std::string>& items) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + json_string(items[i]);
  return out + "]";
}

std::string json_string(const std::string& s) {
  std::string out = "\"";
  for (unsigned char ch : s) {
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (ch < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", ch);
          out += buf;
        } else {
          out += static_cast<char>(ch);
        }
    }
  }
  return out + "\"";
}

std::string control_json(const form::Form& form, const form::Control& c) {
  using form::Kind;
  Object o;
  o.str("name", c.name).num("left", c.left).num("top", c.top).num("width", c.width);
  o.num("height", c.height).raw("visible", boolean(c.visible));
  o.raw("enabled", boolean(c.enabled)).raw("onscreen", boolean(form.onscreen(c)));
  // The cursor is printed when it is not the window's default.
  if (c.cursor != form::Cursor::standard) o.str("cursor", cursor(c.cursor));
  switch (c.kind) {
    case Kind::Label:
    case Kind::Button:
      o.str("caption", c.caption).str("color", color(c.font.color));
      break;
    case Kind::Radio:
      o.str("caption", c.caption).str("color", color(c.font.color));
      o.raw("checked", boolean(c.checked));
      break;
    case Kind::Edit:
      o.str("text", c.caption).str("color", color(c.font.color));
      break;
    case Kind::Memo:
      o.str("color", color(c.font.color)).raw("lines", json_lines(c.lines));
      break;
    case Kind::List:
      o.str("color", color(c.font.color)).raw("rows", json_lines(c.rows)).num("row", c.row);
      break;
    case Kind::Image:
      o.str("picture", c.picture_file);
      break;
    case Kind::Panel:
      o.str("color", color(c.font.color));
      break;
    case Kind::Timer:
      o.num("interval", c.interval);
      break;
  }
  return o.done();
}

std::string state_json(const Game& g) {
  const rmkin& h = g.hero;
  Object hero;
  hero.str("name", h.name).num("health", h.health).num("maxhealth", h.maxhealth);
  hero.num("strength", h.strength).num("agility", h.agility).num("intellect", h.intellect);
  hero.num("exp", h.exp).num("nextexp", h.nextexp).num("level", h.level).num("money", h.money);
  hero.real("hunger", h.hunger).real("thirst", h.thirst).real("fatigue", h.fatigue);
  hero.real("radiation", h.radiation).num("capacity", h.capacity);
  hero.str("gunname", h.gunname).num("gunmindmg", h.gunmindmg).num("gunmaxdmg", h.gunmaxdmg);
  hero.str("gunammo", h.gunammo).num("gunsingle", h.gunsingle).num("gunburst", h.gunburst);
  hero.num("gunstate", h.gunstate).num("gunwearmin", h.gunwearmin);
  hero.num("gunwearmax", h.gunwearmax).str("guntext1", h.guntext1).str("guntext2", h.guntext2);
  hero.str("guntext3", h.guntext3).str("guntext4", h.guntext4).str("armname", h.armname);
  hero.num("armprotect", h.armprotect).num("armradres", h.armradres);
  hero.num("armstate", h.armstate).num("armwearmin", h.armwearmin);
  hero.num("armwearmax", h.armwearmax).str("armtext", h.armtext).num("ready", h.ready);

  const location& l = g.loc;
  Object loc;
  loc.str("locname", l.locname).str("locpic", l.locpic).str("place", l.place);
  loc.str("placepic", l.placepic).str("music", l.music).str("goup", l.goup);
  loc.str("godown", l.godown).str("goleft", l.goleft).str("goright", l.goright);
  loc.str("talks", l.talks).str("pkp", l.pkp).str("trd", l.trd).str("fgt", l.fgt);
  loc.str("fgtstart", l.fgtstart).str("fgtonce", l.fgtonce).str("deadly", l.deadly);
  loc.num("deadtime", l.deadtime).real("hungrate", l.hungrate).real("thirstrate", l.thirstrate);
  loc.real("tiredrate", l.tiredrate).real("radrate", l.radrate).num("desccount", l.desccount);

  std::string inventory = "[";
  for (int i = 1; i < g.invnext && i <= 100; ++i) {
    const invitem& s = g.invslots[static_cast<size_t>(i)];
    Object slot;
    slot.str("name", s.name).num("count", s.count).num("weight", s.weight);
    slot.num("state", s.state).str("kind", s.kind).num("ref", s.ref).num("price", s.price);
    inventory += (i > 1 ? "," : "") + slot.done();
  }
  inventory += "]";

  Object o;
  o.raw("hero", hero.done());
  o.num("year", g.year).num("month", g.month).num("week", g.week).num("day", g.day);
  o.num("daytick", g.daytick).str("daytime", g.daytime);
  o.num("menustep", g.menustep).num("introstep", g.introstep);
  o.raw("loc", loc.done());
  o.str("curmusic", g.curmusic).str("questst", g.questst).raw("lasttalk", boolean(g.lasttalk));
  o.num("deadcount", g.deadcount);
  o.num("invnext", g.invnext).num("invload", g.invload).str("invmode", g.invmode);
  o.raw("inventory", inventory);
  o.num("musicstream", g.musicstream).str("music", g.musicfile);
  o.str("background", color(g.form.background)).str("focus", g.form.focus);
  // combat records
  combat_fields(g.combat, o);

  // level-up records
  levelup_fields(g.levelup, o);
  // conversation records (questst and lasttalk above) and the outro
  o.num("outrostep", g.outrostep).real("outropos", g.outropos);

  // trade records: the trader with his stock, and the offer on the trading panel
  Object trader;
  trade::fields(g.curtrader, trader);
  std::string stock = "[";
  for (int i = 1; i <= g.curtrader.stockcount && i <= trade::kMaxStock; ++i) {
    Object line;
    trade::fields(g.curtrader.stock[static_cast<size_t>(i)], line);
    stock += (i > 1 ? "," : "") + line.done();
  }
  trader.raw("stock", stock + "]");
  o.raw("curtrader", trader.done());
  o.str("tradesel", g.tradesel).str("tradeview", g.tradeview);
  Object offer;
  offer.str("item", g.form["Label28"].caption).str("price", g.form["Label29"].caption);
  o.raw("offer", offer.done());

  return o.done();
}
