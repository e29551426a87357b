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

// The fields of an items.dat record; the name is the key.
struct ItemScan {
  const std::string& name;
  catitem r;
  bool key(Fields& f) {
    r.name = f.text();
    return r.name == name;
  }
  void rest(Fields& f) {
    r.picture = f.text();
    r.quantity = f.integer();
    r.weight = f.integer();
    r.kind = f.text();
    r.ref = f.integer();
    r.price = f.integer();
    r.description = f.text();
  }
};

}  // namespace

catitem find_item(const core::DataRoot& root, const std::string& name, const Origin& from) {
  ItemScan s{name, {}};
  scan(
      root, kItems, [&](Fields& f) { return s.key(f); }, [&](Fields& f) { s.rest(f); },
      "Item '" + name + "' not found", from);
  return s.r;
}

catitem find_item_in(const std::string& items_bytes, const std::string& name, const Origin& from) {
  core::DataReader in(kItems, items_bytes);
  ItemScan s{name, {}};
  scan_reader(
      in, [&](Fields& f) { return s.key(f); }, [&](Fields& f) { s.rest(f); },
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
      [&](Fields& f) {
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
      },
      no_record(id));
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
      [&](Fields& f) {
        r.protect = f.integer();
        r.radres = f.integer();
        r.state = f.integer();
        r.wearmin = f.integer();
        r.wearmax = f.integer();
        r.text = f.text();
      },
      no_record(id));
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
      [&](Fields& f) {
        r.life = f.integer();
        r.fatiguecut = f.integer();
        r.needcut = f.integer();
      },
      no_record(id));
  return r;
}

int64_t packs(int32_t count, const catitem& item) {
  if (item.quantity < 1)
    throw core::DataError("Item '" + item.name + "' has a quantity below 1", kItems);
  return core::Round(static_cast<long double>(count) / item.quantity);
}

}  // namespace catalogue
