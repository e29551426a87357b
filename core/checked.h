#pragma once
// Arithmetic on numbers that come from the content. No sum, difference or
// product of them may overflow: each stops at the limit of the 32-bit range
// instead. Conversions of a double to an integer are range-checked the same
// way (NaN gives 0).
#include <cmath>
#include <cstdint>
#include <limits>

namespace core {

inline constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
inline constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();

// Clamps a 64-bit value into the 32-bit range.
constexpr int32_t clamp32(int64_t v) {
  return v > kInt32Max ? kInt32Max : v < kInt32Min ? kInt32Min : static_cast<int32_t>(v);
}

constexpr int32_t sat_add(int32_t a, int32_t b) {
  return clamp32(static_cast<int64_t>(a) + b);
}
constexpr int32_t sat_sub(int32_t a, int32_t b) {
  return clamp32(static_cast<int64_t>(a) - b);
}
constexpr int32_t sat_mul(int32_t a, int32_t b) {
  return clamp32(static_cast<int64_t>(a) * b);
}

// A double (or long double) to a 32-bit integer, truncating toward zero,
// stopping at the limits; NaN gives 0.
inline int32_t to_int32(long double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<long double>(kInt32Max)) return kInt32Max;
  if (v <= static_cast<long double>(kInt32Min)) return kInt32Min;
  return static_cast<int32_t>(v);
}

// A double kept finite and within the 32-bit range (NaN gives 0): a value
// such as a need, which grows by rates from the content every second and
// is shown rounded to an integer.
inline double clamp_finite32(double v) {
  if (std::isnan(v)) return 0;
  if (v > static_cast<double>(kInt32Max)) return kInt32Max;
  if (v < static_cast<double>(kInt32Min)) return kInt32Min;
  return v;
}

// A 64-bit result of Round (or any 64-bit value) into the 32-bit range.
constexpr int32_t round32(int64_t rounded) {
  return clamp32(rounded);
}

}  // namespace core
