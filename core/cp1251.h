#pragma once
// Windows-1251 on disk, UTF-8 in memory. The mapping is a bijection over all
// 256 byte values (0x98, unassigned in the code page, maps to U+0098), so a
// line read and written back unchanged keeps every byte.
#include <string>
#include <string_view>

namespace core {

std::string cp1251_to_utf8(std::string_view bytes);
// Characters outside the code page become '?'; invalid UTF-8 bytes likewise.
std::string utf8_to_cp1251(std::string_view utf8);
// Whether the bytes are well-formed UTF-8 (no overlong two-byte forms).
bool valid_utf8(std::string_view bytes);
// Number of characters (code points) of a UTF-8 string.
size_t utf8_length(std::string_view utf8);
// The first n characters of a UTF-8 string.
std::string utf8_prefix(std::string_view utf8, size_t n);

}  // namespace core
