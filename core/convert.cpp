#include "core/convert.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>

#include "core/cp1251.h"
#include "core/data_error.h"

namespace core {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int32_t> parse_int(std::string_view text) {
  size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  if (pos == text.size()) return std::nullopt;
  // Accumulate as a negative number so that INT32_MIN fits.
  int64_t value = 0;
  for (; pos < text.size(); ++pos) {
    if (!is_digit(text[pos])) return std::nullopt;
    value = value * 10 - (text[pos] - '0');
    if (value < int64_t{std::numeric_limits<int32_t>::min()}) return std::nullopt;
  }
  if (!negative) {
    value = -value;
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

std::optional<double> parse_decimal(std::string_view text) {
  // Check the shape by hand and build the text in the form std::from_chars
  // reads: no leading '+', a point as the separator.
  std::string normal;
  normal.reserve(text.size());
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    if (text[pos] == '-') normal += '-';
    ++pos;
  }
  size_t digits = 0;
  while (pos < text.size() && is_digit(text[pos])) normal += text[pos++], ++digits;
  if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
    normal += '.';
    ++pos;
    while (pos < text.size() && is_digit(text[pos])) normal += text[pos++], ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    normal += 'e';
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) normal += text[pos++];
    size_t exp_digits = 0;
    while (pos < text.size() && is_digit(text[pos])) normal += text[pos++], ++exp_digits;
    if (exp_digits == 0) return std::nullopt;
  }
  if (pos != text.size()) return std::nullopt;

  double value = 0;
  const char* first = normal.data();
  const char* last = first + normal.size();
  auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

namespace {

// The value as an error message quotes it: a huge line is cut, so a broken
// file cannot produce a message of megabytes.
std::string quoted(std::string_view text) {
  constexpr size_t kShown = 80;
  const std::string whole(text);
  const std::string cut = utf8_prefix(whole, kShown);
  return "'" + cut + (cut.size() < whole.size() ? "..." : "") + "'";
}

}  // namespace

int32_t to_int(std::string_view text, const std::string& file, int line) {
  if (auto v = parse_int(text)) return *v;
  throw DataError(quoted(text) + " is not a valid integer value", file, line);
}

double to_decimal(std::string_view text, const std::string& file, int line) {
  if (auto v = parse_decimal(text)) return *v;
  throw DataError(quoted(text) + " is not a valid floating point value", file, line);
}

std::string str(long long value) {
  return std::to_string(value);
}

}  // namespace core
