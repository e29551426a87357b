// The mistakes of an author's editor: text saved as UTF-8 instead of
// Windows-1251, and a rule word one slip away from "always" or "once".
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/cp1251.h"
#include "tools/check/checker.h"

namespace check {

namespace {

// Whether the bytes are well-formed UTF-8 holding at least one Cyrillic
// letter (U+0400..U+04FF, whose lead bytes are 0xD0..0xD3; in well-formed
// UTF-8 such a byte can only be a lead byte).
bool utf8_cyrillic(std::string_view s) {
  return core::valid_utf8(s) && s.find_first_of("\xD0\xD1\xD2\xD3") != std::string_view::npos;
}

// The pairs that UTF-8 Cyrillic shows as in Windows-1251: "Р" or "С"
// (0xD0, 0xD1) before a byte of 0x80..0xBF ("Р°", "Рѕ", "С‚" ...). Russian
// text never has such a pair.
int mojibake_pairs(std::string_view s) {
  int pairs = 0;
  for (size_t i = 0; i + 1 < s.size(); ++i) {
    const auto a = static_cast<unsigned char>(s[i]);
    const auto b = static_cast<unsigned char>(s[i + 1]);
    if ((a == 0xD0 || a == 0xD1) && b >= 0x80 && b <= 0xBF) ++pairs;
  }
  return pairs;
}

size_t edit_distance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = up;
    }
  }
  return row[b.size()];
}

}  // namespace

void check_encoding(Context& ctx, const std::string& file, const std::string& bytes) {
  size_t start = 0;
  for (int line = 1; start < bytes.size(); ++line) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    const std::string_view raw(bytes.data() + start, end - start);
    if (utf8_cyrillic(raw) || mojibake_pairs(raw) >= 2) {
      const std::string shown = core::cp1251_to_utf8(raw);
      const std::string cut = core::utf8_prefix(shown, 12);
      ctx.problem(file, line,
                  "Text in UTF-8, not Windows-1251: the game shows it as \"" + cut +
                      (cut.size() < shown.size() ? "…" : "") + "\"");
      return;  // one report a file
    }
    start = end + 1;
  }
}

void check_rule_word(Context& ctx, const std::string& word, const Asker& at) {
  for (const char* rule : {"always", "once"}) {
    const size_t d = edit_distance(word, rule);
    if (d >= 1 && d <= 2) {
      ctx.warning(
          at.file, at.line,
          "Rule '" + word + "' is not \"" + rule + "\": the game takes it as a chance word");
      return;
    }
  }
}

}  // namespace check
