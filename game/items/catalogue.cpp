// The item catalogue: one scan over a catalogue file for every lookup.
#include "game/items/catalogue.h"

#include <functional>

#include "core/convert.h"
#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/rounding.h"

namespace catalogue {

namespace {

// The fields of a record, each a label line (read and dropped) followed by
// its value line.
class Fields {
 public:
  explicit Fields(core::DataReader& in) : in_(in) {}
  std::string text() {
    in_.skip();
    return in_.line();
  }
  int32_t integer() {
    in_.skip();
    return in_.read_int();
  }

 private:
  core::DataReader& in_;
};

// Reads the file's records from the top until one matches. `key` reads the
// record's key field (the first one) and tells whether it is the key sought;
// `rest` reads the record's other fields, also when the key did not match.
// The first matching record in file order wins and the scan stops after it.
void scan_reader(core::DataReader& in, const std::function<bool(Fields&)>& key,
                 const std::function<void(Fields&)>& rest, const std::string& missing,
                 const Origin& from) {
  Fields fields(in);
  bool found = false;
  while (!in.eof() && !found) {
    found = key(fields);
    rest(fields);
  }
  if (found) return;
  if (from.file.empty()) throw core::DataError(missing, in.game_path());
  throw core::DataError(missing + " in " + in.game_path(), from.file, from.line);
}

void scan(const core::DataRoot& root, const char* file, const std::function<bool(Fields&)>& key,
          const std::function<void(Fields&)>& rest, const std::string& missing,
          const Origin& from = {}) {
  core::DataReader in(root, file);
  scan_reader(in, key, rest, missing, from);
}

std::string no_record(int32_t id) {
  return "Record " + core::str(id) + " not found";
}

void read_item_rest(Fields& f, catitem& r) {
  r.picture = f.text();
  r.quantity = f.integer();
  r.weight = f.integer();
  r.kind = f.text();
  r.ref = f.integer();
  r.price = f.integer();
  r.description = f.text();
}

void read_gun_rest(Fields& f, guns& r) {
  r.ammo = f.text();
  r.single = f.integer();
  r.burst = f.integer();
  r.mindmg = f.integer();
  r.maxdmg = f.integer();
  r.state = f.integer();
  r.wearmin = f.integer();
  r.wearmax = f.integer();
  r.text1 = f.text();
  r.text2 = f.text();
  r.text3 = f.text();
  r.text4 = f.text();
}

void read_armor_rest(Fields& f, armors& r) {
  r.protect = f.integer();
  r.radres = f.integer();
  r.state = f.integer();
  r.wearmin = f.integer();
  r.wearmax = f.integer();
  r.text = f.text();
}

void read_consumable_rest(Fields& f, consumable& r) {
  r.life = f.integer();
  r.fatiguecut = f.integer();
  r.needcut = f.integer();
}

// Every record of a file in order, with the line of its key value; a bad
// value throws as in a lookup.
template <typename Record, typename ReadKey, typename ReadRest, typename Each>
void scan_all(const core::DataRoot& root, const char* file, ReadKey key, ReadRest rest,
              const Each& each) {
  core::DataReader in(root, file);
  Fields fields(in);
  while (!in.eof()) {
    Record r;
    key(fields, r);
    const int line = in.line_number();
    rest(fields, r);
    each(r, line);
  }
}

// The key of an items.dat record: its name.
struct ItemScan {
  const std::string& name;
  catitem r;
  bool key(Fields& f) {
    r.name = f.text();
    return r.name == name;
  }
};

}  // namespace

catitem find_item(const core::DataRoot& root, const std::string& name, const Origin& from) {
  ItemScan s{name, {}};
  scan(
      root, kItems, [&](Fields& f) { return s.key(f); }, [&](Fields& f) { read_item_rest(f, s.r); },
      "Item '" + name + "' not found", from);
  return s.r;
}

catitem find_item_in(const std::string& items_bytes, const std::string& name, const Origin& from) {
  core::DataReader in(kItems, items_bytes);
  ItemScan s{name, {}};
  scan_reader(
      in, [&](Fields& f) { return s.key(f); }, [&](Fields& f) { read_item_rest(f, s.r); },
      "Item '" + name + "' not found", from);
  return s.r;
}

guns find_gun(const core::DataRoot& root, int32_t id) {
  guns r;
  scan(
      root, kGuns,
      [&](Fields& f) {
        r.id = f.integer();
        return r.id == id;
      },
      [&](Fields& f) { read_gun_rest(f, r); }, no_record(id));
  return r;
}

armors find_armor(const core::DataRoot& root, int32_t id) {
  armors r;
  scan(
      root, kArmor,
      [&](Fields& f) {
        r.id = f.integer();
        return r.id == id;
      },
      [&](Fields& f) { read_armor_rest(f, r); }, no_record(id));
  return r;
}

consumable find_consumable(const core::DataRoot& root, const char* file, int32_t id) {
  consumable r;
  scan(
      root, file,
      [&](Fields& f) {
        r.id = f.integer();
        return r.id == id;
      },
      [&](Fields& f) { read_consumable_rest(f, r); }, no_record(id));
  return r;
}

void each_item(const core::DataRoot& root, const std::function<void(const catitem&, int)>& each) {
  scan_all<catitem>(
      root, kItems, [](Fields& f, catitem& r) { r.name = f.text(); }, read_item_rest, each);
}

void each_gun(const core::DataRoot& root, const std::function<void(const guns&, int)>& each) {
  scan_all<guns>(
      root, kGuns, [](Fields& f, guns& r) { r.id = f.integer(); }, read_gun_rest, each);
}

void each_armor(const core::DataRoot& root, const std::function<void(const armors&, int)>& each) {
  scan_all<armors>(
      root, kArmor, [](Fields& f, armors& r) { r.id = f.integer(); }, read_armor_rest, each);
}

void each_consumable(const core::DataRoot& root, const char* file,
                     const std::function<void(const consumable&, int)>& each) {
  scan_all<consumable>(
      root, file, [](Fields& f, consumable& r) { r.id = f.integer(); }, read_consumable_rest, each);
}

int64_t packs(int32_t count, const catitem& item) {
  if (item.quantity < 1)
    throw core::DataError("Item '" + item.name + "' has a quantity below 1", kItems);
  return core::Round(static_cast<long double>(count) / item.quantity);
}

}  // namespace catalogue
