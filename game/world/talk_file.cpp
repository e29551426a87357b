#include "game/world/talk_file.h"

#include <algorithm>

#include "core/convert.h"
#include "core/data_error.h"
#include "core/data_reader.h"

namespace world {

std::vector<partner> parse_partner_list(const std::string& file, const std::string& bytes) {
  core::DataReader in(file, bytes);
  std::vector<partner> partners;
  while (!in.eof()) {
    partner p;
    p.name = in.line();
    p.line = in.line_number();
    p.complete = !in.eof();
    p.conversation = in.line();
    partners.push_back(std::move(p));
  }
  return partners;
}

std::vector<partner> read_partner_list(const core::DataRoot& root, const std::string& file) {
  return parse_partner_list(file, core::read_data_file(root, file));
}

namespace {

// The second character of a header (UTF-8), as the block's number.
int block_number(const std::string& header, const std::string& file, int line) {
  size_t start = 1;
  while (start < header.size() && (static_cast<unsigned char>(header[start]) & 0xC0) == 0x80)
    ++start;
  size_t end = start + 1;
  while (end < header.size() && (static_cast<unsigned char>(header[end]) & 0xC0) == 0x80) ++end;
  const std::string digit = start < header.size() ? header.substr(start, end - start) : "";
  return core::to_int(digit, file, line);
}

}  // namespace

conversation parse_conversation(const std::string& file, const std::string& bytes) {
  core::DataReader in(file, bytes);
  conversation c;
  c.file = file;
  in.skip();
  c.picture = in.line();
  in.skip();
  c.n = in.read_int();
  if (c.n < 1)
    throw core::DataError("A conversation needs at least one reply block", file, in.line_number());
  std::string header;
  for (int32_t k = 1; k <= c.n; ++k) {
    if (in.eof())
      throw core::DataError("Reply block " + std::to_string(k) + " is missing", file,
                            in.line_number() + 1);
    if (k == 1) header = in.line();
    talkblock b;
    b.number = block_number(header, file, in.line_number());
    b.minlevel = in.read_int();
    for (;;) {
      if (in.eof())
        throw core::DataError("Reply block " + std::to_string(k) + " has no closing ';' line", file,
                              in.line_number());
      std::string line = in.line();
      if (!line.empty() && line[0] == ';') {
        header = std::move(line);
        break;
      }
      b.lines.push_back(std::move(line));
    }
    c.blocks.push_back(std::move(b));
  }
  return c;
}

conversation read_conversation(const core::DataRoot& root, const std::string& file) {
  return parse_conversation(file, core::read_data_file(root, file));
}

const talkblock* block_for(const conversation& c, int r, int32_t level) {
  for (const talkblock& b : c.blocks)
    if (b.number == r && b.minlevel <= level) return &b;
  return nullptr;
}

std::optional<int32_t> lowest_reply_level(const conversation& c) {
  const int top = std::min<int32_t>(c.n, kMaxBlockNumber);
  std::optional<int32_t> lowest;
  for (const talkblock& b : c.blocks)
    if (b.number >= 1 && b.number <= top && (!lowest || b.minlevel < *lowest)) lowest = b.minlevel;
  return lowest;
}

}  // namespace world
