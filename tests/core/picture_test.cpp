// Loading BMP and JPEG pictures, broken ones included.
#include "core/picture.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/data_error.h"
#include "scratch.h"

namespace fs = std::filesystem;
using namespace core;
using core_test::scratch_dir;
using core_test::write_bytes;

namespace {

std::string le16(uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string le32(uint32_t v) {
  return le16(v & 0xFFFF) + le16(v >> 16);
}

QRgb test_colour(int x, int y) {
  return qRgb(40 * x, 60 * y, 200);
}

// A 24-bit BMP of the test colours; height < 0 stores the rows top-down.
std::string bmp24(int width, int height) {
  const int rows = std::abs(height);
  const int stride = (width * 3 + 3) / 4 * 4;
  std::string pixels;
  for (int r = 0; r < rows; ++r) {
    const int y = height < 0 ? r : rows - 1 - r;
    std::string row;
    for (int x = 0; x < width; ++x) {
      const QRgb c = test_colour(x, y);
      row += static_cast<char>(qBlue(c));
      row += static_cast<char>(qGreen(c));
      row += static_cast<char>(qRed(c));
    }
    row.resize(stride, '\0');
    pixels += row;
  }
  std::string info = le32(40) + le32(static_cast<uint32_t>(width)) +
                     le32(static_cast<uint32_t>(height)) + le16(1) + le16(24) + le32(0) + le32(0) +
                     le32(2835) + le32(2835) + le32(0) + le32(0);
  const uint32_t offset = 14 + 40;
  return "BM" + le32(offset + static_cast<uint32_t>(pixels.size())) + le32(0) + le32(offset) +
         info + pixels;
}

// A 2x2 run-length encoded 8-bit BMP: bottom row red, top row blue.
std::string bmp_rle8() {
  const std::string palette = std::string("\0\0\xFF\0", 4) + std::string("\xFF\0\0\0", 4);
  const std::string data = std::string("\x02\x00\x00\x00\x02\x01\x00\x01", 8);
  const std::string info = le32(40) + le32(2) + le32(2) + le16(1) + le16(8) + le32(1) +
                           le32(static_cast<uint32_t>(data.size())) + le32(0) + le32(0) + le32(2) +
                           le32(0);
  const uint32_t offset = 14 + 40 + 8;
  return "BM" + le32(offset + static_cast<uint32_t>(data.size())) + le32(0) + le32(offset) + info +
         palette + data;
}

std::string jpeg(int width, int height, bool gray) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = gray ? 1 : 3;
  cinfo.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * (gray ? 1 : 3));
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < width; ++x) {
      if (gray) {
        row[x] = 128;
      } else {
        row[3 * x] = 200, row[3 * x + 1] = 30, row[3 * x + 2] = 60;
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

bool near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= 4 && std::abs(qGreen(a) - qGreen(b)) <= 4 &&
         std::abs(qBlue(a) - qBlue(b)) <= 4;
}

void expect_not_valid(const DataRoot& root, const std::string& path) {
  try {
    load_picture(root, path);
    ADD_FAILURE() << path << " loaded";
  } catch (const DataError& e) {
    EXPECT_EQ(e.text(), "Picture is not valid");
    EXPECT_EQ(e.file(), path);
  }
}

}  // namespace

TEST(Picture, LoadsBmpBottomUpAndTopDown) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "up.bmp", bmp24(5, 3));
  write_bytes(dir / "Data" / "down.bmp", bmp24(5, -3));
  DataRoot root(dir);
  for (const char* path : {"data\\UP.bmp", "Data\\down.BMP"}) {
    const QImage image = load_picture(root, path);
    ASSERT_EQ(image.size(), QSize(5, 3)) << path;
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(image.pixel(x, y), test_colour(x, y)) << path;
  }
}

TEST(Picture, LoadsRunLengthBmp) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "rle.bmp", bmp_rle8());
  DataRoot root(dir);
  const QImage image = load_picture(root, "rle.bmp");
  ASSERT_EQ(image.size(), QSize(2, 2));
  EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(1, 0), qRgb(0, 0, 255));
}

TEST(Picture, RefusesTruncatedBmp) {
  const fs::path dir = scratch_dir();
  DataRoot root(dir);
  for (const std::string& full : {bmp24(5, 3), bmp24(4, -2), bmp_rle8()}) {
    for (size_t cut = 0; cut < full.size(); ++cut) {
      write_bytes(dir / "cut.bmp", full.substr(0, cut));
      expect_not_valid(root, "cut.bmp");
    }
  }
  // A header that claims more than any file could hold.
  std::string huge = bmp24(2, 2);
  huge.replace(18, 4, le32(0x7FFFFFFF));
  huge.replace(22, 4, le32(0x80000000));
  write_bytes(dir / "huge.bmp", huge);
  expect_not_valid(root, "huge.bmp");
}

TEST(Picture, LoadsJpegAsRgb32) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "Data" / "Sprites" / "Traders" / "1.jpg", jpeg(16, 8, false));
  write_bytes(dir / "Data" / "gray.jpg", jpeg(9, 7, true));
  DataRoot root(dir);
  const QImage rgb = load_picture(root, "Data\\Sprites\\Traders\\1.jpg");
  EXPECT_EQ(rgb.format(), QImage::Format_RGB32);
  ASSERT_EQ(rgb.size(), QSize(16, 8));
  EXPECT_TRUE(near(rgb.pixel(0, 0), qRgb(200, 30, 60))) << std::hex << rgb.pixel(0, 0);
  EXPECT_TRUE(near(rgb.pixel(15, 7), qRgb(200, 30, 60)));
  const QImage gray = load_picture(root, "data\\GRAY.JPG");
  EXPECT_EQ(gray.format(), QImage::Format_RGB32);
  ASSERT_EQ(gray.size(), QSize(9, 7));
  EXPECT_TRUE(near(gray.pixel(8, 6), qRgb(128, 128, 128)));
}

TEST(Picture, RefusesTruncatedAndCorruptJpeg) {
  const fs::path dir = scratch_dir();
  DataRoot root(dir);
  const std::string full = jpeg(24, 16, false);
  // Cut anywhere, even just before the end marker: an error, never a crash
  // or a half-grey picture.
  for (size_t cut = 2; cut < full.size(); ++cut) {
    write_bytes(dir / "cut.jpg", full.substr(0, cut));
    expect_not_valid(root, "cut.jpg");
  }
  write_bytes(dir / "junk.jpg", std::string("\xFF\xD8junk after the start marker"));
  expect_not_valid(root, "junk.jpg");
  // Garbage between the start marker and the first header.
  write_bytes(dir / "extra.jpg", full.substr(0, 2) + "xyz" + full.substr(2));
  expect_not_valid(root, "extra.jpg");
  // A few hundred bytes declaring 65535 by 65535 pixels: refused before the
  // 17 GB picture is allocated.
  std::string huge = full;
  const size_t sof = huge.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  huge.replace(sof + 5, 4, "\xFF\xFF\xFF\xFF");
  write_bytes(dir / "huge.jpg", huge);
  expect_not_valid(root, "huge.jpg");
}

TEST(Picture, RefusesOtherFormatsAndMissingFiles) {
  const fs::path dir = scratch_dir();
  write_bytes(dir / "a.bmp", "GIF89a....");
  write_bytes(dir / "empty.bmp", "");
  fs::create_directories(dir / "folder.bmp");
  DataRoot root(dir);
  expect_not_valid(root, "a.bmp");
  expect_not_valid(root, "empty.bmp");
  for (const char* path : {"missing.bmp", "folder.bmp"}) {
    try {
      load_picture(root, path);
      ADD_FAILURE() << path;
    } catch (const DataError& e) {
      EXPECT_EQ(e.text(), "File not found");
      EXPECT_EQ(e.file(), path);
    }
  }
}

// Decoded pictures are kept by their bytes: a file changed between two
// loads shows its new content or its new fault, never the picture before.
TEST(Picture, AChangedFileIsDecodedAfresh) {
  const fs::path dir = scratch_dir();
  DataRoot root(dir);
  for (const std::string& bytes :
       {bmp24(5, 3), bmp24(4, 2), bmp24(5, 3).substr(0, 40), jpeg(16, 8, false), bmp24(5, 3)}) {
    write_bytes(dir / "a.pic", bytes);
    if (bytes.size() == 40) {
      expect_not_valid(root, "a.pic");
      continue;
    }
    const QImage image = load_picture(root, "a.pic");
    EXPECT_EQ(image.size(), bytes[0] == 'B' ? QSize(bytes[18], bytes[22]) : QSize(16, 8));
  }
}
