// The line reader and the conversions: any bytes as a data file, every line
// read as text, integer and decimal; the code-page conversion must be a
// bijection and the integer text must read back as the same number.
#include <cstdlib>

#include "core/convert.h"
#include "core/cp1251.h"
#include "core/data_reader.h"
#include "fuzz/fuzz_world.h"

namespace {
void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = fuzz::as_text(data, size);
  const std::string raw(bytes);
  require(core::utf8_to_cp1251(core::cp1251_to_utf8(raw)) == raw, "cp1251 round trip");
  core::fold_case(core::cp1251_to_utf8(raw));

  if (const auto v = core::parse_int(bytes))
    require(core::parse_int(core::str(*v)) == v, "int text");
  core::parse_decimal(bytes);

  const std::string file = "Data\\fuzz.txt";
  fuzz::put(file, bytes);
  try {
    core::DataReader in(fuzz::world(), file);
    for (int i = 0; !in.eof() && i < 10000; ++i) {
      try {
        switch (i % 3) {
          case 0:
            in.line();
            break;
          case 1:
            in.read_int();
            break;
          default:
            in.read_decimal();
            break;
        }
      } catch (const core::DataError& e) {
        fuzz::expect_named(e);
        require(e.line() == in.line_number(), "error names the line read");
      }
    }
    in.line();  // past the end: empty, no error
  } catch (const core::DataError& e) {
    fuzz::expect_named(e);
  }
  try {
    core::read_all_lines(fuzz::world(), file);
  } catch (const core::DataError& e) {
    fuzz::expect_named(e);
  }
  return 0;
}
