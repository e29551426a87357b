// Picture loading (BMP through Qt's reader after the size check, JPEG
// through libjpeg). Built twice, with BMP and with JPEG seeds.
#include "core/picture.h"
#include "fuzz/fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = "Data\\fuzz.pic";
  fuzz::put(file, fuzz::as_text(data, size));
  try {
    const QImage image = core::load_picture(fuzz::world(), file);
    if (image.isNull()) std::abort();  // a picture is either loaded or an error
  } catch (const core::DataError& e) {
    fuzz::expect_named(e);
  }
  return 0;
}
