// Selecting and printing parts of the runner's JSON views.
#include "tools/runner/json_tree.h"

#include <gtest/gtest.h>

namespace {

const char* const kState =
    R"({"hero":{"name":"A \"b\"","money":120,"hunger":10.500000000000007},)"
    R"("inventory":[{"name":"Нож","count":1},{"name":"Бинт","count":2}],"lasttalk":false,)"
    R"("loc":{"place":"Ангар","rates":[0.1,-1e308]},"empty":[]})";

TEST(JsonTree, SelectsByPath) {
  const auto tree = json::parse(kState);
  ASSERT_TRUE(tree);
  const struct {
    const char* path;
    const char* printed;  // nullptr: names nothing
  } rows[] = {
      {"hero.money", "120"},
      {"hero.name", R"("A \"b\"")"},
      {"hero.hunger", "10.5"},
      {"inventory.1.name", R"("Бинт")"},
      {"inventory.*.count", "[1,2]"},
      {"inventory.1", R"({"name":"Бинт","count":2})"},
      {"empty.*.name", "[]"},
      {"lasttalk", "false"},
      {"loc.rates", "[0.1,-1e308]"},
      {"inventory.2.name", nullptr},
      {"inventory.-1.name", R"("Бинт")"},
      {"inventory.-2.count", "1"},
      {"inventory.-3", nullptr},
      {"inventory.name", nullptr},
      {"hero.money.x", nullptr},
      {"hero..money", nullptr},
      {"hero.", nullptr},
      {"", nullptr},
      {"Hero", nullptr},
  };
  for (const auto& row : rows) {
    const auto part = json::select(*tree, row.path);
    if (!row.printed) {
      EXPECT_FALSE(part) << row.path;
    } else {
      ASSERT_TRUE(part) << row.path;
      EXPECT_EQ(json::print(*part), row.printed) << row.path;
    }
  }
}

TEST(JsonTree, PrintsTheTextItReadWithShortNumbers) {
  EXPECT_EQ(json::print(*json::parse(R"({"a":[1,{"b":null}],"c":"x"})")),
            R"({"a":[1,{"b":null}],"c":"x"})");
  const struct {
    const char* in;
    const char* out;
  } rows[] = {{"10.500000000000007", "10.5"},
              {"0.30000000000000004", "0.3"},
              {"-0.00001", "0"},
              {"2.0", "2"},
              {"0.33333333", "0.3333"},
              {"0.00005", "0.0001"},
              {"123456789", "123456789"},
              {"-7", "-7"},
              {"1e20", "1e20"},
              {"2.5e-3", "0.0025"}};
  for (const auto& row : rows) EXPECT_EQ(json::short_number(row.in), row.out) << row.in;
}

TEST(JsonTree, RejectsWhatIsNotJson) {
  for (const char* bad :
       {"", "{", R"({"a":})", R"({"a":1,})", "[1,2", R"({"a" 1})", "\"open", "{} x", "{a:1}"})
    EXPECT_FALSE(json::parse(bad)) << bad;
  std::string deep(100, '[');
  deep += std::string(100, ']');
  EXPECT_FALSE(json::parse(deep));
}

}  // namespace
