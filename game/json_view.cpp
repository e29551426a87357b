#include "game/json_view.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "game/records.h"

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
  Object& operator()(const char* key, bool v) { return raw(key, boolean(v)); }
  Object& operator()(const char* key, uint32_t v) { return num(key, v); }
  Object& operator()(const char* key, int64_t v) { return num(key, v); }
  // A record with a field list: a nested object.
  template <class Record>
  requires requires(const Record& r, Object& o) { fields(r, o); }
  Object& operator()(const char* key, const Record& r) {
    Object o;
    fields(r, o);
    return raw(key, o.done());
  }
  std::string done() { return text + "}"; }
};

// One record with a field list as an object.
template <class Record>
std::string record(const Record& r) {
  Object o;
  fields(r, o);
  return o.done();
}

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
  // Every record through its field list, one convention for all: a record
  // is an object, its fields in the list's order; the flat records of the
  // clock, music, slides, talk and inventory print at the top level.
  Object o;
  o("hero", g.hero);
  fields(g.calendar, o);
  o.num("menustep", g.menustep);
  fields(g.slides, o);
  o("loc", g.loc);
  o.num("deadcount", g.deadcount);
  fields(g.talkstate, o);
  fields(g.inventory, o);
  std::string carried = "[";
  for (int i = 1; i < g.inventory.invnext && i <= 100; ++i)
    carried += (i > 1 ? "," : "") + record(g.inventory.invslots[static_cast<size_t>(i)]);
  o.raw("inventory", carried + "]");
  fields(g.soundtrack, o);
  o.str("background", color(g.form.background)).str("focus", g.form.focus);
  fields(g.combat, o);
  fields(g.levelup, o);

  // The trader with his stock, and the offer on the trading panel.
  Object trader;
  fields(g.trading.curtrader, trader);
  std::string stock = "[";
  const ::trader& t = g.trading.curtrader;
  for (int i = 1; i <= t.stockcount && i <= trade::kMaxStock; ++i)
    stock += (i > 1 ? "," : "") + record(t.stock[static_cast<size_t>(i)]);
  trader.raw("stock", stock + "]");
  o.raw("curtrader", trader.done());
  fields(g.trading, o);
  Object offer;
  offer.str("item", g.form["Label28"].caption).str("price", g.form["Label29"].caption);
  o.raw("offer", offer.done());
  return o.done();
}
