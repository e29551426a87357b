#pragma once
// Strict number conversion of data-file values.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Optional sign and decimal digits only, within the 32-bit range. Blanks,
// an empty text, fractions or any other character fail.
std::optional<int32_t> parse_int(std::string_view text);
// Optional sign, digits, one decimal separator (comma or point) with digits on
// at least one side, optional exponent. Blanks or an empty text fail.
std::optional<double> parse_decimal(std::string_view text);

// Throwing forms: DataError "'TEXT' is not a valid integer value" /
// "'TEXT' is not a valid floating point value", naming file and line.
int32_t to_int(std::string_view text, const std::string& file, int line);
double to_decimal(std::string_view text, const std::string& file, int line);

// Plain decimal text of a number, no grouping.
std::string str(long long value);

}  // namespace core
