// The data checker on the demo data and on damaged copies of it: every
// problem is reported once, at the file and line a content author must fix.
#include "tools/check/checker.h"

#include <algorithm>
#include <fstream>

#include "core/cp1251.h"
#include "game/trade/trader.h"
#include "support/game_fixture.h"

namespace {

struct Edit {
  std::string file;
  // 1-based line to replace; 0 appends the text as a line; -1 removes the
  // file; -2 makes the text its only line; -3 drops its last line.
  int line;
  std::string text;   // UTF-8
  bool utf8 = false;  // the file is saved as UTF-8, as a wrongly set editor would
};

struct Case {
  const char* name;
  std::vector<Edit> edits;
  std::vector<std::string> expected;  // every problem, as printed
  int status = 1;                     // exit status, and with --strict
  int strict = 1;
};

class CheckerTest : public GameTest {
 protected:
  void apply(const Edit& e) {
    if (e.line == -1) {
      std::filesystem::remove_all(*root.find(e.file));
      return;
    }
    std::vector<std::string> lines = read_lines(e.file);
    if (e.line == -2)
      lines = {e.text};
    else if (e.line == -3)
      lines.pop_back();
    else if (e.line == 0)
      lines.push_back(e.text);
    else
      lines.at(static_cast<size_t>(e.line - 1)) = e.text;
    if (!e.utf8) return write_file(e.file, lines);
    std::ofstream out(*root.find(e.file), std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) out << line << "\r\n";
  }

  std::vector<std::string> problems(int& status, int& strict) {
    std::vector<std::string> out;
    const auto ctx = check::check_data(root);
    for (const check::Problem& p : ctx->problems()) out.push_back(check::format(p));
    status = check::exit_status(*ctx, false);
    strict = check::exit_status(*ctx, true);
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
  const std::string fights = "data\\levels\\Fights\\";
  const std::string trader = "data\\levels\\Trade\\kladovshik.trd";
  const std::string dog = "Data\\Combat\\dog.enm";
  const std::string enemies = "Data\\Combat\\enemies.dat";
  const std::string elder = "data\\levels\\Talks\\starosta.tlk";
  const std::string final_talk = "data\\levels\\Talks\\lsttalk.tlk";
  const std::string partners = "data\\levels\\Talks\\vyselki.tlk";
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
        "(data\\levels\\Talks\\nobody.tlk)"}},
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
      {"no folder for the fight map (and so no fight files)",
       {{"data\\levels\\fights", -1, ""}},
       {"data\\levels\\fights\\fight.map: Path not found",
        "data\\levels\\locations\\10.loc:26: Fight file not found (" + fights + "ohrana.fgt)",
        "data\\levels\\locations\\11.loc:26: Fight file not found (" + fights + "otshelnik.fgt)",
        "data\\levels\\locations\\12.loc:26: Fight file not found (" + fights + "mutanty.fgt)",
        "data\\levels\\locations\\5.loc:26: Fight file not found (" + fights + "pes.fgt)",
        "data\\levels\\locations\\7.loc:26: Fight file not found (" + fights + "staya.fgt)",
        "data\\levels\\locations\\9.loc:26: Fight file not found (" + fights + "marodery.fgt)"}},
      {"missing intro text, sprite and death picture",
       {{"Data\\Intro\\3.txt", -1, ""},
        {"Data\\Sprites\\Arrows\\up_p.bmp", -1, ""},
        {"Data\\Death\\death2.bmp", -1, ""}},
       {"Data\\Intro\\3.txt: File not found", "Data\\Sprites\\Arrows\\up_p.bmp: File not found",
        "Data\\Death\\death2.bmp: File not found"}},
      // Traders.
      {"trader: factor not a number, negative factor, unknown stock item, bad level",
       {{trader, 16, "abc"}, {trader, 20, "-0.5"}, {trader, 42, "Тушёнка"}, {trader, 45, "один"}},
       {trader + ":16: 'abc' is not a valid floating point value"}},
      {"trader: negative factor, unknown stock item",
       {{trader, 20, "-0.5"}, {trader, 42, "Тушёнка"}},
       {trader + ":20: Factor armorrate below 0: the trader would take money for what he buys",
        trader + ":42: Item 'Тушёнка' not found (Data\\Objects\\items.dat)"}},
      {"trader: missing file and portrait",
       {{"data\\levels\\locations\\4.loc", 22, "никто"},
        {"Data\\Sprites\\Traders\\kladovshik.jpg", -1, ""}},
       {"data\\levels\\locations\\4.loc:22: Trader file not found "
        "(data\\levels\\Trade\\никто.trd)",
        "data\\levels\\locations\\12.loc:22: File not found "
        "(Data\\Sprites\\Traders\\kladovshik.jpg)"}},
      // Fights and enemies.
      {"enemy: health not a number",
       {{dog, 6, "xyz"}},
       {dog + ":6: 'xyz' is not a valid integer value"}},
      {"enemy: missing picture, unknown loot item, misspelt loot rule",
       {{dog, 26, "Data\\Pictures\\Enemies\\cat.bmp"}, {dog, 0, "Ничто"}, {dog, 0, "allways"}},
       {dog + ":26: File not found (Data\\Pictures\\Enemies\\cat.bmp)",
        dog + ":42: Item 'Ничто' not found (Data\\Objects\\items.dat)",
        dog +
            ":43: warning: Rule 'allways' is not \"always\": the game takes it as a chance word"}},
      {"fight: unknown enemy, too short a file, missing fight file",
       {{fights + "staya.fgt", 2, "pesik"},
        {fights + "pes.fgt", -1, ""},
        {fights + "ohrana.fgt", -2, "robot"}},
       {fights + "staya.fgt:2: Enemy 'pesik' is not in the enemy catalogue " + enemies,
        fights + "ohrana.fgt:2: Line missing: a fight file names three enemy slots, this one 1",
        "data\\levels\\locations\\5.loc:26: Fight file not found (" + fights + "pes.fgt)"}},
      {"enemy catalogue names a missing enemy file",
       {{"Data\\Combat\\robot.enm", -1, ""}},
       {enemies + ":8: Enemy file not found (Data\\Combat\\robot.enm)"}},
      // Conversations.
      {"conversation: no blocks",
       {{elder, 4, "0"}},
       {elder + ":4: A conversation needs at least one reply block"}},
      {"conversation: block without its ';' line",
       {{final_talk, -3, ""}},
       {final_talk + ":14: Reply block 1 has no closing ';' line"}},
      {"conversation: levels without a reply, missing picture",
       {{elder, 12, "3"},
        {elder, 18, "5"},
        {elder, 25, "4"},
        {elder, 2, "Data\\Pictures\\Talks\\nobody.bmp"}},
       {elder + ":4: No reply block can be chosen at levels 1 to 2 (the talk stops with an error)",
        elder + ":2: File not found (Data\\Pictures\\Talks\\nobody.bmp)"}},
      {"conversation: no block numbered within the count",
       {{final_talk, 5, ";7 блок ответа"}},
       {final_talk +
        ":4: No reply block can ever be chosen: none of the 1 blocks is numbered 1 to 1"}},
      {"partner list names a missing conversation; no final conversation",
       {{partners, 4, "никто"}, {final_talk, -1, ""}},
       {partners + ":4: Conversation not found (data\\levels\\Talks\\никто.tlk)",
        final_talk + ": File not found (the final conversation that ends the game)"}},
      // The author's slips.
      {"text saved as UTF-8 (the whole file; its first line is reported)",
       {{"data\\levels\\locations\\3.loc", 2, "Глубокий овраг", true}},
       {"data\\levels\\locations\\3.loc:1: Text in UTF-8, not Windows-1251: the game shows it "
        "as \"РќР°Р·РІР°РЅ…\""}},
      {"mojibake pairs in Windows-1251 text",
       {{"Data\\Intro\\2.txt", 1, "РџСЂРёРІРµС‚ мир"}},
       {"Data\\Intro\\2.txt:1: Text in UTF-8, not Windows-1251: the game shows it as "
        "\"РџСЂРёРІРµС‚…\""}},
      {"misspelt pickup rule: a warning, an error only with --strict",
       {{"data\\levels\\Pickup\\2.pkp", 1, "onse"}},
       {"data\\levels\\Pickup\\2.pkp:1: warning: Rule 'onse' is not \"once\": the game takes it "
        "as a chance word"},
       0,
       1},
      {"missing fight sprite, button sprite, outro picture",
       {{"data\\sprites\\fight\\roamkin\\5.bmp", -1, ""},
        {"Data\\Sprites\\Buttons\\sell_p.bmp", -1, ""},
        {"Data\\Sprites\\Outro\\outro.jpg", -1, ""}},
       {"data\\sprites\\fight\\roamkin\\5.bmp: File not found",
        "Data\\Sprites\\Buttons\\sell_p.bmp: File not found",
        "Data\\Sprites\\Outro\\outro.jpg: File not found"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    use_demo_data();
    for (const Edit& e : c.edits) apply(e);
    int status = 0, strict = 0;
    std::vector<std::string> got = problems(status, strict), want = c.expected;
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(got, want);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(strict, c.strict);
    std::filesystem::remove_all(dir / "Data");
  }
}

}  // namespace
