#include "core/picture.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "core/data_reader.h"

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "core/data_error.h"

namespace core {

namespace {

constexpr const char* kNotValid = "Picture is not valid";

uint32_t u16_at(const std::string& b, size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

uint32_t u32_at(const std::string& b, size_t at) {
  return u16_at(b, at) | (u16_at(b, at + 2) << 16);
}

// The number of bytes a BMP file must have according to its headers, or
// nothing when the headers themselves are broken.
std::optional<uint64_t> bmp_needed_size(const std::string& b) {
  constexpr size_t kFileHeader = 14;
  if (b.size() < kFileHeader + 4) return std::nullopt;
  const uint64_t off_bits = u32_at(b, 10);
  const uint32_t info_size = u32_at(b, 14);
  int64_t width, height;
  uint32_t bit_count, compression = 0, size_image = 0;
  if (info_size == 12) {  // the old OS/2 core header
    if (b.size() < kFileHeader + 12) return std::nullopt;
    width = u16_at(b, 18);
    height = u16_at(b, 20);
    bit_count = u16_at(b, 24);
  } else if (info_size >= 40) {
    if (b.size() < kFileHeader + 40) return std::nullopt;
    width = static_cast<int32_t>(u32_at(b, 18));
    height = static_cast<int32_t>(u32_at(b, 22));
    bit_count = u16_at(b, 28);
    compression = u32_at(b, 30);
    size_image = u32_at(b, 34);
  } else {
    return std::nullopt;
  }
  if (width <= 0 || height == 0) return std::nullopt;
  const uint64_t rows = height < 0 ? static_cast<uint64_t>(-height) : static_cast<uint64_t>(height);
  uint64_t needed = off_bits;
  if (off_bits < kFileHeader + info_size) return std::nullopt;
  constexpr uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
  if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
    if (bit_count != 1 && bit_count != 4 && bit_count != 8 && bit_count != 16 && bit_count != 24 &&
        bit_count != 32)
      return std::nullopt;
    const uint64_t stride = (static_cast<uint64_t>(width) * bit_count + 31) / 32 * 4;
    needed += stride * rows;  // at most 2^31 * 2^7 * 2^31: no overflow
  } else {
    // Run-length and embedded formats: the packed size is given by the header.
    const uint64_t file_size = u32_at(b, 2);
    needed = size_image ? off_bits + size_image : std::max(needed, file_size);
  }
  return needed;
}

QImage load_bmp(const std::string& bytes, const std::string& game_path) {
  const std::optional<uint64_t> needed = bmp_needed_size(bytes);
  if (!needed || bytes.size() < *needed || bytes.size() > INT_MAX)
    throw DataError(kNotValid, game_path);
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                          static_cast<int>(bytes.size()), "BMP") ||
      image.isNull())
    throw DataError(kNotValid, game_path);
  return image;
}

// libjpeg reports errors through this manager: error_exit jumps back to the
// decoder instead of ending the program.
struct JpegErrors {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

[[noreturn]] void jpeg_error_exit(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1);
}

// Warnings (level -1) are about corrupt data, such as a file that ends
// early; the picture would come out with grey bands, so they count as errors.
// Trace messages are ignored.
void jpeg_emit_message(j_common_ptr cinfo, int msg_level) {
  if (msg_level < 0) jpeg_error_exit(cinfo);
}

// Decodes into *out. Nothing with a destructor lives in this frame, so the
// long jump out of libjpeg skips no clean-up.
bool decode_jpeg(const std::string& bytes, QImage* out) {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  cinfo.err = jpeg_std_error(&errors.mgr);
  errors.mgr.error_exit = jpeg_error_exit;
  errors.mgr.emit_message = jpeg_emit_message;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = cinfo.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&cinfo);
  const int components = cinfo.output_components;
  // A few hundred bytes can declare 65535 by 65535 pixels (17 GB once
  // decoded); no picture of the game comes near the pixel limit.
  constexpr uint64_t kMaxPixels = 64ull * 1024 * 1024;
  if ((components != 1 && components != 3) || cinfo.output_width > 65535 ||
      cinfo.output_height > 65535 ||
      uint64_t{cinfo.output_width} * cinfo.output_height > kMaxPixels) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  *out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                QImage::Format_RGB32);
  if (out->isNull()) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * components, 1);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    jpeg_read_scanlines(&cinfo, row, 1);
    auto* target = reinterpret_cast<QRgb*>(out->scanLine(y));
    const JSAMPLE* source = row[0];
    for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
      if (components == 1) {
        target[x] = qRgb(source[x], source[x], source[x]);
      } else {
        target[x] = qRgb(source[3 * x], source[3 * x + 1], source[3 * x + 2]);
      }
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

QImage load_jpeg(const std::string& bytes, const std::string& game_path) {
  QImage image;
  if (!decode_jpeg(bytes, &image)) throw DataError(kNotValid, game_path);
  return image;
}

QImage decode(const std::string& bytes, const std::string& game_path) {
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return load_bmp(bytes, game_path);
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xD8)
    return load_jpeg(bytes, game_path);
  throw DataError(kNotValid, game_path);
}

// Pictures decoded before, by their exact bytes: the game shows the same
// pictures again and again (every move reloads its location's, every game
// its menu's), and a QImage is shared, not copied. The file is still read
// each time, so a changed or missing picture is seen at once; only a
// picture that decoded is kept. Bounded by the decoded size.
class Decoded {
 public:
  QImage get(const std::string& bytes, const std::string& game_path) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      const auto it = pictures_.find(bytes);
      if (it != pictures_.end()) return it->second;
    }
    QImage image = decode(bytes, game_path);
    std::lock_guard<std::mutex> lock(mutex_);
    const size_t size = static_cast<size_t>(image.sizeInBytes()) + bytes.size();
    if (held_ + size > kMaxHeld) {
      pictures_.clear();
      held_ = 0;
    }
    if (size <= kMaxHeld && pictures_.emplace(bytes, image).second) held_ += size;
    return image;
  }

 private:
  static constexpr size_t kMaxHeld = size_t{64} << 20;
  std::mutex mutex_;
  std::unordered_map<std::string, QImage> pictures_;
  size_t held_ = 0;
};

}  // namespace

QImage load_picture(const DataRoot& root, const std::string& game_path) {
  static Decoded decoded;
  return decoded.get(read_data_file(root, game_path), game_path);
}

QImage load_picture(const DataRoot& root, const std::string& game_path, const Origin& from) {
  if (from.file.empty()) return load_picture(root, game_path);
  try {
    return load_picture(root, game_path);
  } catch (const DataError& e) {
    throw DataError(e.text() + " (" + game_path + ")", from.file, from.line);
  }
}

}  // namespace core
