// Damaged and hostile data sets, one row each: the world is damaged, a few
// events are played, and whatever happens the game reports the file (and
// line) at fault, changes nothing outside its data folder, leaves no pickup
// file half written, and neither creates nor loses an item.
#include <sys/stat.h>

#include <functional>

#include "core/cp1251.h"
#include "core/files.h"
#include "core/safe_rewrite.h"
#include "game/form/sprites.h"
#include "game/items/inventory_state.h"
#include "game/trade/trader.h"
#include "game/world/location.h"
#include "hostile_world.h"

namespace {

namespace fs = std::filesystem;
using hostile::HostileWorld;
using Lines = std::vector<std::string>;

struct BadInput {
  const char* name;
  std::function<void(HostileWorld&)> damage;
  // "right", "left", "pick ROW", "drop SLOT", "use SLOT", "view SLOT",
  // "fight", "trade", "buy ROW", "talk ROW", "tick TIMER", "loadhero",
  // "setinv", "newgame"
  Lines events;
  // Texts every one of which some error must hold; none: no error at all.
  Lines expect;
  // Whether items must be counted the same before and after (a new game or
  // a start inventory replaces them by rule).
  bool counts = true;
};

// Test names and failure reports show the row's name.
void PrintTo(const BadInput& c, std::ostream* os) {
  *os << c.name;
}

// ---- damage helpers ----

// Location 2 offers a fight ("стая": one "пес" from the catalogue), trades
// ("торговец": a knife and an unknown thing) and talks ("люди": one
// partner, "старик"). The rows then damage one of these files.
const char* const kFight = "data\\levels\\Fights\\стая.fgt";
const char* const kEnemies = "Data\\Combat\\enemies.dat";
const char* const kDog = "Data\\Combat\\dog.enm";
const char* const kTrader = "data\\levels\\Trade\\торговец.trd";
const char* const kPortrait = "Data\\Sprites\\Traders\\торговец.jpg";
const char* const kTalk = "data\\levels\\Talks\\старик.tlk";
const char* const kThing = "Data\\Sprites\\Items\\thing.bmp";

void lively_world(HostileWorld& w) {
  LocFile f = w.loc_two();
  f.fgt = "стая";
  f.trd = "торговец";
  f.talks = "люди";
  w.write_loc("2", f);
  for (const char* stem : form::kButtonSprites)
    for (const char* state : {"_n.bmp", "_p.bmp"})
      w.write_picture(form::button_sprite(std::string(stem) + state));
  w.write_file(kFight, {"пес", "no", "no"});
  w.write_file(kEnemies, {"пес", "dog.enm"});
  EnemyFile dog;
  dog.name = "Пес";
  dog.mindamage = 1;
  dog.agility = 5;
  dog.accuracy = 5;
  dog.maxmoney = 10;
  dog.picture = dog.hitpicture = dog.deadpicture = kThing;
  w.write_file(kDog, dog.lines());
  TraderFile trader;
  trader.notes = {"оружие", "броня", "патроны", "лекарства", "артефакты", "еда", "питье"};
  trader.stock = {"Нож", "1", "Ничто", "1"};
  w.write_file(kTrader, trader.lines());
  w.write_picture(kPortrait);
  w.write_file("data\\levels\\Talks\\люди.tlk", {"Старик", "старик"});
  w.write_file(kTalk, TalkFile{.picture = kThing, .blocks = {{";1", "0", {"Привет."}}}}.lines());
}

std::function<void(HostileWorld&)> lively(std::function<void(HostileWorld&)> damage) {
  return [damage](HostileWorld& w) {
    lively_world(w);
    damage(w);
  };
}

std::function<void(HostileWorld&)> removed(const std::string& path) {
  return [path](HostileWorld& w) { fs::remove(*w.root.find(path)); };
}

const char* const kLoc2 = "data\\levels\\locations\\2.loc";
const char* const kPkp1 = "data\\levels\\Pickup\\1.pkp";
const char* const kPkp2 = "data\\levels\\Pickup\\2.pkp";
const char* const kItems = "Data\\Objects\\items.dat";
const char* const kStart = "Data\\Config\\roamkin.cfg";

std::function<void(HostileWorld&)> loc2(std::function<void(LocFile&)> change) {
  return [change](HostileWorld& w) {
    LocFile f = w.loc_two();
    change(f);
    w.write_loc("2", f);
  };
}

// A data file of the given text (UTF-8, written as Windows-1251 as it stands).
std::function<void(HostileWorld&)> raw(const std::string& path, const std::string& text) {
  return [path, text](HostileWorld& w) { w.write_raw(path, core::utf8_to_cp1251(text)); };
}

// A data file of exactly these bytes.
std::function<void(HostileWorld&)> bytes_of(const std::string& path, const std::string& bytes) {
  return [path, bytes](HostileWorld& w) { w.write_raw(path, bytes); };
}

// Replaces line `n` (1-based) of a data file.
std::function<void(HostileWorld&)> line_of(const std::string& path, size_t n,
                                           const std::string& value) {
  return [path, n, value](HostileWorld& w) {
    Lines lines = w.read_lines(path);
    if (lines.size() < n) lines.resize(n);
    lines[n - 1] = value;
    w.write_file(path, lines);
  };
}

std::function<void(HostileWorld&)> cut(const std::string& path, size_t keep) {
  return [path, keep](HostileWorld& w) {
    Lines lines = w.read_lines(path);
    lines.resize(keep);
    w.write_file(path, lines);
  };
}

std::function<void(HostileWorld&)> fifo_at(const std::string& path) {
  return [path](HostileWorld& w) {
    if (!w.root.find(path)) w.write_raw(path, "");
    const fs::path p = *w.root.find(path);
    fs::remove(p);
    ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0) << p;
  };
}

// A link at a game path to the victim file outside the data folder.
std::function<void(HostileWorld&)> link_at(const std::string& folder, const std::string& name) {
  return [folder, name](HostileWorld& w) {
    fs::create_symlink(w.outside / "victim.pkp", *w.root.find(folder) / name);
  };
}

std::string utf16(const std::string& ascii) {
  std::string out = "\xFF\xFE";
  for (char c : ascii) out += std::string{c, '\0'};
  return out;
}

// Location 2 as bytes, with line `n` (1-based) replaced by raw bytes.
std::function<void(HostileWorld&)> loc2_bytes(size_t n, const std::string& bytes) {
  return [n, bytes](HostileWorld& w) {
    Lines lines = w.loc_two().lines();
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i)
      out += (i + 1 == n ? bytes : core::utf8_to_cp1251(lines[i])) + "\r\n";
    w.write_raw(kLoc2, out);
  };
}

const BadInput kCases[] = {
    // ---- location files ----
    {"LocationBadInteger",
     loc2([](LocFile& f) { f.deadtime = "12,5"; }),
     {"right", "pick 0"},
     {"'12,5' is not a valid integer value (data\\levels\\locations\\2.loc, line 34)"}},
    {"LocationBadDecimal",
     loc2([](LocFile& f) { f.radrate = "много"; }),
     {"right", "pick 0"},
     {"(data\\levels\\locations\\2.loc, line 42)"}},
    {"LocationCut",
     cut(kLoc2, 30),
     {"right", "pick 0"},
     {"the file ended early (data\\levels\\locations\\2.loc, line 30)"}},
    {"LocationEmpty",
     raw(kLoc2, ""),
     {"right", "pick 1"},
     {"the file ended early (data\\levels\\locations\\2.loc)"}},
    {"LocationMissing",
     [](HostileWorld& w) { fs::remove(*w.root.find(kLoc2)); },
     {"right", "pick 0"},
     {"File not found (data\\levels\\locations\\2.loc)"}},
    {"LocationNulByte",
     loc2_bytes(34, std::string("7\0"
                                "7",
                                3)),
     {"right", "pick 0"},
     {"'7\\x007' is not a valid integer value (data\\levels\\locations\\2.loc, line 34)"}},
    {"LocationUtf16",
     bytes_of(kLoc2, utf16("Name\r\nX\r\n")),
     {"right", "pick 0"},
     {"data\\levels\\locations\\2.loc, line"}},
    {"LocationIsAFifo",
     fifo_at(kLoc2),
     {"right", "pick 0"},
     {"File not found (data\\levels\\locations\\2.loc)"}},
    {"LocationIsAFolder",
     [](HostileWorld& w) {
       fs::remove(*w.root.find(kLoc2));
       fs::create_directory(w.dir / "data" / "levels" / "locations" / "2.loc");
     },
     {"right"},
     {"File not found (data\\levels\\locations\\2.loc)"}},
    // Found by the lookup, gone when opened.
    {"LocationVanishesBetweenLookupAndOpen",
     [](HostileWorld& w) { core::FaultyFiles::over(w.root)->vanish(*w.root.find(kLoc2)); },
     {"right"},
     {"File not found (data\\levels\\locations\\2.loc)"}},
    // The first read of a move is the pressed arrow's picture.
    {"ReadFailsOnTheMove",
     [](HostileWorld& w) { core::FaultyFiles::over(w.root)->fail_read(1); },
     {"right", "right"},
     {"File not found (Data\\Sprites\\Arrows\\right_p.bmp)"}},
    {"LocationHugeDescription",
     [](HostileWorld& w) {
       LocFile f = w.loc_two();
       f.desc.assign(100000, "Пыль.");
       w.write_loc("2", f);
     },
     {"right", "pick 0", "left"},
     {}},
    {"ExitLeavesTheDataFolder",
     [](HostileWorld& w) { w.game->loc.goright = "..\\..\\etc"; },
     {"right", "pick 0"},
     {"Path leaves the data folder (data\\levels\\locations\\..\\..\\etc.loc)"}},
    {"ExitAbsolute",
     [](HostileWorld& w) { w.game->loc.goright = "/etc/passwd"; },
     {"right"},
     {"Path leaves the data folder"}},
    // ---- the refresh of a location fails half-way ----
    {"PartnerFileMissing",
     loc2([](LocFile& f) { f.talks = "призрак"; }),
     {"right", "pick 0", "pick 1", "drop 1"},
     {"File not found (data\\levels\\Talks\\призрак.tlk)"}},
    {"PartnerFileIsAFifo",
     [](HostileWorld& w) {
       LocFile f = w.loc_two();
       f.talks = "fifo";
       w.write_loc("2", f);
       w.write_file("data\\levels\\talks\\fifo.tlk", {"x"});
       fifo_at("data\\levels\\talks\\fifo.tlk")(w);
     },
     {"right", "pick 0"},
     {"File not found (data\\levels\\Talks\\fifo.tlk)"}},
    {"PlacePictureMissing",
     [](HostileWorld& w) {
       LocFile f = w.loc_two();
       f.placepic = "Data\\Нет\\place.bmp";
       w.write_loc("2", f);
       fs::remove(*w.root.find(f.placepic));
     },
     {"right", "pick 0", "pick 1"},
     {"File not found (Data\\Нет\\place.bmp) (data\\levels\\locations\\2.loc, line 8)"}},
    {"PictureIsNoPicture",
     [](HostileWorld& w) { w.write_raw("Data\\Sprites\\Places\\yard.bmp", "BM garbage"); },
     {"drop 1", "pick 0"},
     {"Data\\Sprites\\Places\\yard.bmp"}},
    {"DropWithPartnerFileMissing",
     [](HostileWorld& w) { w.game->loc.talks = "призрак"; },
     {"drop 1", "drop 1", "pick 0"},
     {"призрак.tlk"}},
    {"DropWithLocationPictureMissing",
     [](HostileWorld& w) { fs::remove(*w.root.find("Data\\Sprites\\Locations\\area.bmp")); },
     {"drop 2", "drop 1", "pick 0"},
     {"File not found (Data\\Sprites\\Locations\\area.bmp)"}},
    {"DropAmmoOfQuantityZero",
     line_of(kItems, 4 * 16 + 6, "0"),
     {"drop 3", "drop 3"},
     {"Item 'Патроны' has a quantity below 1 (Data\\Objects\\items.dat)"}},
    // ---- pickup files ----
    {"PickupFileMissing",
     loc2([](LocFile& f) { f.pkp = "нет"; }),
     {"right", "pick 0", "drop 1"},
     {"File not found (data\\levels\\Pickup\\нет.pkp)"}},
    {"PickupFileIsAFifo",
     fifo_at(kPkp2),
     {"right", "pick 0", "drop 1"},
     {"File not found (data\\levels\\Pickup\\2.pkp)"}},
    {"PickupFileIsAFolder",
     [](HostileWorld& w) {
       fs::remove(*w.root.find(kPkp2));
       fs::create_directory(w.pickup_folder() / "2.pkp");
     },
     {"right", "drop 1"},
     {"File not found (data\\levels\\Pickup\\2.pkp)"}},
    {"PickupEntryCutShort",
     raw(kPkp1, "always\r\nКристалл\r\naviable\r\nonce\r\nНож\r\n"),
     {"drop 1", "pick 0", "pick 1"},
     {}},
    {"PickupEntryUnknownItem",
     raw(kPkp1, "once\r\nПризрак\r\naviable\r\n"),
     {"drop 1", "pick 0"},
     {"Item 'Призрак' not found in Data\\Objects\\items.dat (data\\levels\\Pickup\\1.pkp, line "
      "2)"}},
    {"PickupNameLeavesTheDataFolder",
     [](HostileWorld& w) {
       w.game->loc.pkp = "..\\..\\..\\" + w.outside.filename().string() + "\\victim";
     },
     {"drop 1", "pick 0"},
     {"Path leaves the data folder"}},
    {"PickupRowNoLongerInFile",
     raw(kPkp1, "always\r\nКристалл\r\nunaviable\r\nonce\r\nКонсервы\r\naviable\r\n"),
     {"pick 0", "pick 0", "pick 1"},
     {}},
    {"PickupHugeLine",
     raw(kPkp1, "always\r\n" + std::string(1 << 20, 'x') + "\r\naviable\r\n"),
     {"drop 1", "pick 0"},
     {"Item 'xxxx"}},
    // ---- links and case twins ----
    {"LinkAtPickupTemp", link_at("data\\levels\\Pickup", "1.pkp.tmp"), {"pick 0", "pick 0"}, {}},
    {"LinkAtDropTemp", link_at("data\\levels\\Pickup", "1.tmp"), {"drop 1", "drop 1"}, {}},
    {"LinkAtResetTemp", link_at("data\\levels\\Pickup", "2.pkp.tmp"), {"newgame"}, {}, false},
    {"LinkAtFightMapTemp",
     link_at("data\\levels\\fights", "fight.map.tmp"),
     {"newgame"},
     {},
     false},
    {"PickupFileIsALinkOutside",
     [](HostileWorld& w) {
       fs::remove(*w.root.find(kPkp2));
       link_at("data\\levels\\Pickup", "2.pkp")(w);
     },
     {"right", "drop 1"},
     {}},
    {"PickupFolderIsALinkOutside",
     [](HostileWorld& w) {
       const fs::path folder = w.pickup_folder();
       fs::copy_file(folder / "1.pkp", w.outside / "1.pkp");
       fs::remove_all(folder);
       fs::create_directory_symlink(w.outside, folder);
     },
     {"pick 0", "drop 1"},
     {"Cannot write file: the path leaves the data folder"}},
    {"CaseTwinWithStaleTemp",
     [](HostileWorld& w) {
       w.write_raw("data\\levels\\Pickup\\X.pkp",
                   "always\r\nA\r\naviable\r\nonce\r\nB\r\naviable\r\n");
       w.write_raw("data\\levels\\Pickup\\x.pkp", "always\r\nC\r\naviable\r\n");
       w.write_raw("data\\levels\\Pickup\\x.pkp.tmp", "stale");
       w.game->loc.pkp = "X";
     },
     {"drop 1", "newgame"},
     {},
     false},
    // ---- the catalogue ----
    {"CatalogueMissing",
     [](HostileWorld& w) { fs::remove(*w.root.find(kItems)); },
     {"pick 0", "drop 3"},
     {"File not found (Data\\Objects\\items.dat)"}},
    {"CatalogueBadWeight",
     line_of(kItems, 5 * 16 + 8, "тяжелый"),
     {"pick 0"},
     {"'тяжелый' is not a valid integer value (Data\\Objects\\items.dat, line 88)"}},
    {"CatalogueCut",
     cut(kItems, 5 * 16 + 3),
     {"pick 0", "view 2"},
     {"the file ended early (Data\\Objects\\items.dat, line 83)"}},
    {"CatalogueHugeWeight", line_of(kItems, 5 * 16 + 8, "2147483647"), {"pick 0", "pick 0"}, {}},
    {"CatalogueNegativeWeight",
     line_of(kItems, 5 * 16 + 8, "-2147483648"),
     {"pick 0", "drop 2", "pick 1"},
     {}},
    {"AmmoQuantityAtTheLimit", line_of(kItems, 4 * 16 + 6, "2147483647"), {"view 3", "drop 3"}, {}},
    {"FoodRecordMissing",
     raw("Data\\Objects\\food.dat", ""),
     {"use 1"},
     {"Record 1 not found (Data\\Objects\\food.dat)"}},
    {"FoodBadNumber",
     line_of("Data\\Objects\\food.dat", 4, "сытно"),
     {"use 1", "use 1"},
     {"(Data\\Objects\\food.dat, line 4)"}},
    // ---- start files ----
    {"StartFileBadInteger",
     line_of(kStart, 6, "сильный"),
     {"loadhero"},
     {"'сильный' is not a valid integer value (Data\\Config\\roamkin.cfg, line 6)"}},
    {"StartFileCut",
     cut(kStart, 19),
     {"loadhero"},
     {"the file ended early (Data\\Config\\roamkin.cfg, line 19)"}},
    {"StartFileStrengthAtTheLimit", line_of(kStart, 6, "2147483647"), {"loadhero", "pick 0"}, {}},
    {"StartFileHealthAtTheLowerLimit",
     line_of(kStart, 4, "-2147483648"),
     {"loadhero", "tick Timer2"},
     {"Data\\Death\\death"}},
    {"StartInventoryUnknownItem",
     raw("Data\\Config\\inventory.cfg", "Консервы\r\nБластер\r\n"),
     {"setinv"},
     {"Item 'Бластер' not found in Data\\Objects\\items.dat (Data\\Config\\inventory.cfg, line 2)"},
     false},
    {"StartInventoryNulByte",
     raw("Data\\Config\\inventory.cfg", std::string("Нож") + '\0' + "\r\n"),
     {"setinv"},
     {"Item 'Нож\\x00' not found in Data\\Objects\\items.dat (Data\\Config\\inventory.cfg, line "
      "1)"},
     false},
    // ---- rates and the clock ----
    {"NeedRateAtTheDoubleLimit",
     loc2([](LocFile& f) { f.hungrate = "-1e308"; }),
     {"right", "tick Timer2", "tick Timer2"},
     {}},
    {"DeadlyCountdownAtTheLowerLimit",
     loc2([](LocFile& f) {
       f.deadly = "yes";
       f.deadtime = "-2147483648";
     }),
     {"right", "tick Timer4"},
     {"Data\\Death\\death"}},
    {"MusicIsAFifo", fifo_at("Data\\Music\\wind.mp3"), {"right", "pick 0"}, {}},
    {"MusicLeavesTheDataFolder",
     loc2([](LocFile& f) { f.music = "..\\..\\music.mp3"; }),
     {"right", "pick 0"},
     {}},
    // ---- fights, enemies, traders and conversations ----
    {"LivelyWorldIsSound", lively([](HostileWorld&) {}), {"right", "talk 0", "fight"}, {}},
    {"FightNamesAnUnknownEnemy",
     lively(line_of(kFight, 1, "песик")),
     {"right", "fight"},
     {"Enemy 'песик' is not in the enemy catalogue Data\\Combat\\enemies.dat "
      "(data\\levels\\Fights\\стая.fgt, line 1)"}},
    {"FightFileMissing",
     lively(removed(kFight)),
     {"right", "fight"},
     {"File not found (data\\levels\\Fights\\стая.fgt)"}},
    {"FightFileEmpty",
     lively(raw(kFight, "")),
     {"right", "fight"},
     {"Enemy '' is not in the enemy catalogue"}},
    {"EnemyCatalogueMissing",
     lively(removed(kEnemies)),
     {"right", "fight"},
     {"File not found (Data\\Combat\\enemies.dat)"}},
    {"EnemyHealthIsNotANumber",
     lively(line_of(kDog, 6, "xyz")),
     {"right", "fight"},
     {"'xyz' is not a valid integer value (Data\\Combat\\dog.enm, line 6)"}},
    {"EnemyFileCutShort",
     lively(cut(kDog, 9)),
     {"right", "fight"},
     {"the file ended early (Data\\Combat\\dog.enm, line 9)"}},
    {"EnemyPictureMissing",
     lively(line_of(kDog, 26, "Data\\Sprites\\none.bmp")),
     {"right", "fight"},
     {"File not found (Data\\Sprites\\none.bmp) (Data\\Combat\\dog.enm, line 26)"}},
    {"TraderFactorIsNotANumber",
     lively(line_of(kTrader, 16, "abc")),
     {"right", "trade"},
     {"'abc' is not a valid floating point value (data\\levels\\Trade\\торговец.trd, line 16)"}},
    {"TraderStockNamesAnUnknownItem",
     lively([](HostileWorld&) {}),
     {"right", "trade", "buy 0", "buy 1"},
     {"Item 'Ничто' not found in Data\\Objects\\items.dat "
      "(data\\levels\\Trade\\торговец.trd, line 44)"}},
    {"TraderPortraitMissing",
     lively(removed(kPortrait)),
     {"right", "trade"},
     {"File not found (Data\\Sprites\\Traders\\торговец.jpg) "
      "(data\\levels\\locations\\2.loc, line 22)"}},
    {"ConversationWithoutBlocks",
     lively(line_of(kTalk, 4, "0")),
     {"right", "talk 0"},
     {"A conversation needs at least one reply block (data\\levels\\Talks\\старик.tlk, line 4)"}},
    {"ConversationBlockNotClosed",
     lively(cut(kTalk, 7)),
     {"right", "talk 0"},
     {"Reply block 1 has no closing ';' line (data\\levels\\Talks\\старик.tlk, line 7)"}},
    {"ConversationBinaryJunk",
     lively(bytes_of(kTalk, std::string("\0\xff;\r\n\0", 6))),
     {"right", "talk 0"},
     {"(data\\levels\\Talks\\старик.tlk"}},
    {"ConversationPictureMissing",
     lively(line_of(kTalk, 2, "Data\\Sprites\\none.bmp")),
     {"right", "talk 0"},
     {"File not found (Data\\Sprites\\none.bmp) (data\\levels\\Talks\\старик.tlk, line 2)"}},
    // ---- failing writes ----
    {"WriteFailsAtPickup",
     [](HostileWorld& w) { core::FaultyFiles::over(w.root)->fail_write_step(1); },
     {"pick 0"},
     {"Cannot write file", "(data\\levels\\Pickup\\1.pkp)"}},
    // Create, nine lines, write, sync, close: the rename is step 14.
    {"WriteFailsAtDropRename",
     [](HostileWorld& w) { core::FaultyFiles::over(w.root)->fail_write_step(14); },
     {"drop 1"},
     {"Cannot write file", "(data\\levels\\Pickup\\1.pkp)"}},
    {"WriteFailsAtReset",
     [](HostileWorld& w) { core::FaultyFiles::over(w.root)->fail_write_step(4); },
     {"newgame"},
     {"Cannot write file"},
     false},
};

class BadInputTest : public HostileWorld, public ::testing::WithParamInterface<BadInput> {
 protected:
  void SetUp() override {
    // Every value of the start file is known, so rows can name its lines.
    build();
  }

  void play(const std::string& event) {
    std::istringstream words(event);
    std::string what;
    std::string arg;
    words >> what >> arg;
    const int n =
        arg.empty() || !std::isdigit(static_cast<unsigned char>(arg[0])) ? 0 : std::stoi(arg);
    if (what == "right") {
      click("Image18");
    } else if (what == "left") {
      click("Image17");
    } else if (what == "pick") {
      pick("PItems", n);
    } else if (what == "drop" || what == "use" || what == "view") {
      game->inventory.invmode = what == "drop" ? "drop" : what == "use" ? "use" : "view";
      pick("PInventory", n - 1);
    } else if (what == "fight") {
      click("Image21");
    } else if (what == "trade") {
      click("Image20");
    } else if (what == "buy") {
      pick("StringGrid1", n);
    } else if (what == "talk") {
      pick("tlk", n);
    } else if (what == "tick") {
      game->tick(arg);
    } else if (what == "loadhero") {
      run([&] { game->loadhero(); });
    } else if (what == "setinv") {
      run([&] { game->setinv(); });
    } else if (what == "newgame") {
      ctl("Edit2").caption = "Тест";
      run([&] { game->BitBtn1Click(); });
    } else {
      FAIL() << "unknown event " << event;
    }
  }
};

TEST_P(BadInputTest, IsReportedWithoutLosingCreatingOrEscapingAnything) {
  const BadInput& c = GetParam();
  c.damage(*this);
  const auto outside_before = tree(outside);
  const auto pickups_before = tree(pickup_folder());
  const int items_before = items_in_world();

  for (const std::string& event : c.events) play(event);

  std::string all;
  for (const std::string& e : errors) all += e + "\n";
  if (c.expect.empty()) {
    EXPECT_TRUE(errors.empty()) << all;
  }
  for (const std::string& text : c.expect)
    EXPECT_NE(all.find(text), std::string::npos) << "expected: " << text << "\ngot:\n" << all;

  // Nothing outside the data folder changed.
  EXPECT_EQ(tree(outside), outside_before);
  // No pickup file is partial, and no temporary file is left behind.
  for (const auto& [path, bytes] : tree(pickup_folder())) {
    const auto before = pickups_before.find(path);
    if (before != pickups_before.end() && before->second == bytes) continue;
    EXPECT_EQ(before == pickups_before.end() && path.find(".tmp") != std::string::npos, false)
        << "left behind: " << path;
    if (path.size() < 4 || path.substr(path.size() - 4) != ".pkp") continue;
    size_t lines = 0;
    for (char ch : bytes) lines += ch == '\n';
    EXPECT_EQ(lines % 3, 0u) << path;
    EXPECT_TRUE(bytes.empty() || (bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n"))
        << path;
  }
  // Items are neither created nor lost.
  if (c.counts) {
    EXPECT_EQ(items_in_world(), items_before);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, BadInputTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<BadInput>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
