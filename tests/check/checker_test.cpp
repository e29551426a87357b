// The data checker on the demo data and on damaged copies of it: every
// problem is reported once, at the file and line a content author must fix.
#include "tools/check/checker.h"

#include <algorithm>

#include "core/cp1251.h"
#include "support/game_fixture.h"

namespace {

struct Edit {
  std::string file;
  int line;          // 1-based line to replace; 0 appends the text as a line; -1 removes it
  std::string text;  // UTF-8
};

struct Case {
  const char* name;
  std::vector<Edit> edits;
  std::vector<std::string> expected;  // every problem, as printed
};

class CheckerTest : public GameTest {
 protected:
  void apply(const Edit& e) {
    if (e.line < 0) {
      std::filesystem::remove_all(*root.find(e.file));
      return;
    }
    std::vector<std::string> lines = read_lines(e.file);
    if (e.line == 0)
      lines.push_back(e.text);
    else
      lines.at(static_cast<size_t>(e.line - 1)) = e.text;
    write_file(e.file, lines);
  }

  std::vector<std::string> problems() {
    std::vector<std::string> out;
    const auto ctx = check::check_data(root);
    for (const check::Problem& p : ctx->problems()) out.push_back(check::format(p));
    return out;
  }
};

TEST_F(CheckerTest, DemoDataIsClean) {
  use_demo_data();
  const auto ctx = check::check_data(root);
  std::vector<std::string> out;
  for (const check::Problem& p : ctx->problems()) out.push_back(check::format(p));
  EXPECT_EQ(out, std::vector<std::string>{});
  EXPECT_EQ(ctx->locations, 13u);
  EXPECT_GT(ctx->items, 20u);
  EXPECT_GT(ctx->files_read(), 100u);
}

TEST_F(CheckerTest, DamagedDataIsReportedAtFileAndLine) {
  const std::string loc1 = "data\\levels\\locations\\1.loc";
  const std::string loc4 = "data\\levels\\locations\\4.loc";
  const std::string items = "Data\\Objects\\items.dat";
  const std::string no_pkp = "data\\levels\\Pickup\\no.pkp";
  const Case cases[] = {
      {"bad start value",
       {{"Data\\Config\\roamkin.cfg", 6, "пять"}},
       {"Data\\Config\\roamkin.cfg:6: 'пять' is not a valid integer value"}},
      {"unknown start item",
       {{"Data\\Config\\inventory.cfg", 2, "Нечто"}},
       {"Data\\Config\\inventory.cfg:2: Item 'Нечто' not found (Data\\Objects\\items.dat)"}},
      {"start inventory over the capacity (strength 1: 800)",
       {{"Data\\Config\\roamkin.cfg", 6, "1"}},
       {"Data\\Config\\inventory.cfg:3: Item 'Бутылка воды' does not fit: a new game starts "
        "without it (capacity 800)"}},
      {"blank line at the end of the start inventory",
       {{"Data\\Config\\inventory.cfg", 0, ""}},
       {"Data\\Config\\inventory.cfg:5: Item '' not found (Data\\Objects\\items.dat)"}},
      // Fault of the shipped demo: "Площадь" and "Околица" name no pickup
      // file, and a drop there writes "no.pkp".
      {"no.pkp missing",
       {{no_pkp, -1, ""}},
       {loc4 + ":24: Pickup file not found (" + no_pkp + "): dropping an item here writes it",
        "data\\levels\\locations\\8.loc:24: Pickup file not found (" + no_pkp +
            "): dropping an item here writes it"}},
      {"exit to nowhere, missing partner list",
       {{loc4, 12, "99"}, {"data\\levels\\locations\\8.loc", 20, "nobody"}},
       {loc4 + ":12: Location '99' not found (data\\levels\\locations\\99.loc)",
        "data\\levels\\locations\\8.loc:20: Partner list not found "
        "(data\\levels\\talks\\nobody.tlk)"}},
      {"bad deadtime; the location's exits are not followed",
       {{"data\\levels\\locations\\13.loc", 34, "тридцать"}},
       {"data\\levels\\locations\\13.loc:34: 'тридцать' is not a valid integer value"}},
      {"missing start location",
       {{loc1, -1, ""}},
       {loc1 + ": File not found (the game starts in location \"1\")"}},
      {"missing area picture and music",
       {{loc1, 4, "Data\\Pictures\\nothing.bmp"}, {loc1, 10, "Data\\Music\\..\\..\\x.mp3"}},
       {loc1 + ":4: File not found (Data\\Pictures\\nothing.bmp)",
        loc1 + ":10: Path leaves the data folder (the game plays silence) "
               "(Data\\Music\\..\\..\\x.mp3)"}},
      {"pickup: unknown item, odd availability, cut entry",
       {{"data\\levels\\Pickup\\2.pkp", 2, "Ничто"},
        {"data\\levels\\Pickup\\2.pkp", 3, "aviabel"},
        {"data\\levels\\Pickup\\2.pkp", 0, "once"}},
       {"data\\levels\\Pickup\\2.pkp:2: Item 'Ничто' not found (Data\\Objects\\items.dat)",
        "data\\levels\\Pickup\\2.pkp:3: Availability 'aviabel' is neither \"aviable\" nor "
        "\"unaviable\" (the item is never listed)",
        "data\\levels\\Pickup\\2.pkp:7: Entry cut short: the file ends after its kind line"}},
      {"catalogue: quantity, kind record, picture",
       {{items, 6, "0"}, {items, 12, "77"}, {items, 4, "data\\pictures\\items\\none.bmp"}},
       {items + ":6: Item 'Руки' has a quantity below 1 (0)",
        items + ":12: Item 'Руки' of kind 'gun': record 77 not found in Data\\Objects\\guns.dat",
        items + ":4: File not found (data\\pictures\\items\\none.bmp)"}},
      {"default weapon of the wrong kind",
       {{items, 10, "artefact"}},
       {"Data\\Objects\\items.dat: Item 'Руки' is of kind 'artefact', not 'gun'"}},
      {"broken kind file",
       {{"Data\\Objects\\food.dat", 4, "x"}},
       {"Data\\Objects\\food.dat:4: 'x' is not a valid integer value"}},
      {"no folder for the fight map",
       {{"data\\levels\\fights", -1, ""}},
       {"data\\levels\\fights\\fight.map: Path not found"}},
      {"missing intro text, sprite and death picture",
       {{"Data\\Intro\\3.txt", -1, ""},
        {"Data\\Sprites\\Arrows\\up_p.bmp", -1, ""},
        {"Data\\Death\\death2.bmp", -1, ""}},
       {"Data\\Intro\\3.txt: File not found", "Data\\Sprites\\Arrows\\up_p.bmp: File not found",
        "Data\\Death\\death2.bmp: File not found"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    use_demo_data();
    for (const Edit& e : c.edits) apply(e);
    std::vector<std::string> got = problems(), want = c.expected;
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(got, want);
    std::filesystem::remove_all(dir / "Data");
  }
}

}  // namespace
