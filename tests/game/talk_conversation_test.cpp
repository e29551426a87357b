// Conversations: the reply drawn among the blocks the level allows, the
// screen during a conversation, and files that can never give a reply.
#include <gtest/gtest.h>

#include <set>

#include "game/services/rmkin.h"
#include "talk_fixture.h"

using talk_test::Block;
using talk_test::Lines;

namespace {

class TalkConversation : public talk_test::TalkTest {
 protected:
  void SetUp() override {
    TalkTest::SetUp();
    write_partners({"Дед", "дед", "Бабка", "бабка"});
    enter("1");
  }
  // The replies seen over many clicks on the first partner.
  std::set<Lines> replies(int clicks = 60) {
    std::set<Lines> seen;
    for (int i = 0; i < clicks; ++i) seen.insert(say(0));
    return seen;
  }
};

TEST_F(TalkConversation, DrawsOnlyAmongTheBlocksTheLevelAllows) {
  struct Case {
    const char* what;
    std::string n;
    std::vector<Block> blocks;
    int level;
    std::set<Lines> expected;
  };
  const Case cases[] = {
      {"one block of level 0", "1", {{";1", "0", {"Привет."}}}, 1, {{"Привет."}}},
      {"block 2 above the level is drawn again",
       "2",
       {{";1", "0", {"Один."}}, {";2", "5", {"Два."}}},
       1,
       {{"Один."}}},
      {"both reachable",
       "2",
       {{";1", "0", {"Один."}}, {";2", "1", {"Два.", ""}}},
       1,
       {{"Один."}, {"Два.", ""}}},
      {"same number: the first one in reach",
       "2",
       {{";1", "3", {"Старшим."}}, {";1", "0", {"Младшим."}}},
       1,
       {{"Младшим."}}},
      {"same number: the first when both are in reach",
       "2",
       {{";1", "3", {"Старшим."}}, {";1", "0", {"Младшим."}}},
       3,
       {{"Старшим."}}},
      {"only the first N blocks",
       "1",
       {{";1", "0", {"Первый."}}, {";2", "0", {"Второй."}}},
       1,
       {{"Первый."}}},
      {"numbers above 9 match nothing",
       "12",
       {{"#1", "0", {"Раз."}},
        {";2", "9", {}},
        {";3", "9", {}},
        {";4", "9", {}},
        {";5", "9", {}},
        {";6", "9", {}},
        {";7", "9", {}},
        {";8", "9", {}},
        {";9", "9", {}},
        {";0", "0", {"Ноль."}},
        {";1", "9", {}},
        {";2", "9", {}}},
       1,
       {{"Раз."}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    write_talk("дед", c.n, c.blocks);
    game->hero.level = c.level;
    EXPECT_EQ(replies(), c.expected);
    EXPECT_TRUE(errors.empty()) << errors.front();
  }
  // The partner's picture is stretched into its 57 x 57 frame.
  EXPECT_TRUE(game->shown(form::Screen::talk));
  EXPECT_EQ(ctl("Image6").picture.size(), QSize(57, 57));
}

TEST_F(TalkConversation, AFileThatCanNeverReplyIsADataErrorAndTheScreenStays) {
  struct Case {
    const char* what;
    std::string n;
    std::vector<Block> blocks;
    bool closed;
    const char* message;
  };
  const Case cases[] = {
      {"N of 0", "0", {{";1", "0", {"Нет."}}}, true, "at least one reply block"},
      {"no block in reach", "2", {{";1", "4", {"Нет."}}, {";2", "2", {}}}, true, "suits level 1"},
      {"only a block numbered 0", "1", {{";0", "0", {"Нет."}}}, true, "suits level 1"},
      {"no closing line", "2", {{";1", "0", {"Да."}}, {";2", "0", {"Нет."}}}, false, "';' line"},
      {"a header without a digit", "1", {{";x", "0", {"Нет."}}}, true, "not a valid integer"},
      {"N past the last block", "3", {{";1", "0", {"Да."}}}, true, "Reply block 2"},
  };
  const Lines description = ctl("LocMemo").lines;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    errors.clear();
    write_talk("дед", c.n, c.blocks, c.closed);
    pick("tlk", 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(c.message), std::string::npos) << errors[0];
    EXPECT_NE(errors[0].find("дед.tlk"), std::string::npos) << errors[0];
    EXPECT_EQ(ctl("LocMemo").lines, description);
    EXPECT_FALSE(game->shown(form::Screen::talk));
    EXPECT_TRUE(ctl("Image15").visible);
    EXPECT_FALSE(ctl("Image23").visible);
  }
}

TEST_F(TalkConversation, APartnerNoLongerInTheListEndsTheSearchWithAnError) {
  write_partners({"Бабка", "бабка"});  // the file changed under the shown list
  pick("tlk", 0);                      // still shows "Дед"
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("'Дед' is not in the partner list"), std::string::npos) << errors[0];
  EXPECT_NE(errors[0].find("двор.tlk"), std::string::npos);
  // The blank row of an empty list is no partner at all.
  errors.clear();
  write_partners({});
  enter("1");
  EXPECT_EQ(rows("tlk"), (Lines{""}));
  pick("tlk", 0);
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(ctl("Image23").visible);
}

}  // namespace
