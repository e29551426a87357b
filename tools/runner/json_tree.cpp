#include "tools/runner/json_tree.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace json {
namespace {

class Parser {
 public:
  explicit Parser(const std::string& s) : s_(s) {}

  std::optional<Value> document() {
    Value v;
    if (!value(v, 0)) return std::nullopt;
    blanks();
    if (i_ != s_.size()) return std::nullopt;
    return v;
  }

 private:
  // Deep enough for every view the runner prints.
  static constexpr int kMaxDepth = 32;

  void blanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
      ++i_;
  }
  bool eat(char c) {
    blanks();
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  // A string token with its quotes and escapes kept.
  bool string(std::string& out) {
    blanks();
    if (i_ >= s_.size() || s_[i_] != '"') return false;
    const size_t start = i_++;
    while (i_ < s_.size() && s_[i_] != '"') i_ += s_[i_] == '\\' ? 2 : 1;
    if (i_ >= s_.size()) return false;
    out = s_.substr(start, ++i_ - start);
    return true;
  }
  bool value(Value& v, int depth) {
    if (depth > kMaxDepth) return false;
    blanks();
    if (i_ >= s_.size()) return false;
    const char c = s_[i_];
    if (c == '{') {
      ++i_;
      v.kind = Value::Kind::object;
      if (eat('}')) return true;
      do {
        std::string key;
        Value member;
        if (!string(key) || !eat(':') || !value(member, depth + 1)) return false;
        v.members.emplace_back(key.substr(1, key.size() - 2), std::move(member));
      } while (eat(','));
      return eat('}');
    }
    if (c == '[') {
      ++i_;
      v.kind = Value::Kind::array;
      if (eat(']')) return true;
      do {
        v.items.emplace_back();
        if (!value(v.items.back(), depth + 1)) return false;
      } while (eat(','));
      return eat(']');
    }
    if (c == '"') return string(v.text);
    const size_t start = i_;
    while (i_ < s_.size() &&
           std::string_view("+-.0123456789eEtrufalsn").find(s_[i_]) != std::string_view::npos)
      ++i_;
    v.text = s_.substr(start, i_ - start);
    return !v.text.empty();
  }

  const std::string& s_;
  size_t i_ = 0;
};

// An index into an array of the given size; a negative one counts from the end.
std::optional<size_t> index_word(const std::string& word, size_t size) {
  long long n = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), n);
  if (ec != std::errc() || end != word.data() + word.size() || word.empty()) return std::nullopt;
  if (n < 0) n += static_cast<long long>(size);
  if (n < 0 || static_cast<size_t>(n) >= size) return std::nullopt;
  return static_cast<size_t>(n);
}

std::optional<Value> select_words(const Value& v, const std::vector<std::string>& words,
                                  size_t at) {
  if (at == words.size()) return v;
  const std::string& w = words[at];
  if (v.kind == Value::Kind::object) {
    for (const Member& m : v.members)
      if (m.first == w) return select_words(m.second, words, at + 1);
  } else if (v.kind == Value::Kind::array) {
    if (w == "*") {
      Value all;
      all.kind = Value::Kind::array;
      for (const Value& item : v.items) {
        std::optional<Value> part = select_words(item, words, at + 1);
        if (!part) return std::nullopt;
        all.items.push_back(std::move(*part));
      }
      return all;
    }
    if (auto n = index_word(w, v.items.size())) return select_words(v.items[*n], words, at + 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<Value> parse(const std::string& text) {
  return Parser(text).document();
}

std::optional<Value> select(const Value& root, const std::string& path) {
  std::vector<std::string> words;
  size_t start = 0;
  for (;;) {
    const size_t dot = path.find('.', start);
    words.push_back(path.substr(start, dot - start));
    if (words.back().empty()) return std::nullopt;
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  return select_words(root, words, 0);
}

std::string short_number(const std::string& number) {
  if (number.find_first_of(".eE") == std::string::npos) return number;
  double v = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
  if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(v)) return number;
  // Beyond the digits a double holds exactly, the shortest form.
  if (std::fabs(v) >= 1e15) return number;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4f", v);
  std::string out = buf;
  while (out.back() == '0') out.pop_back();
  if (out.back() == '.') out.pop_back();
  return out == "-0" ? "0" : out;
}

std::string print(const Value& v) {
  switch (v.kind) {
    case Value::Kind::scalar:
      return v.text.empty() || v.text[0] == '"' ? v.text : short_number(v.text);
    case Value::Kind::array: {
      std::string out = "[";
      for (size_t i = 0; i < v.items.size(); ++i) out += (i ? "," : "") + print(v.items[i]);
      return out + "]";
    }
    case Value::Kind::object:
      break;
  }
  std::string out = "{";
  for (size_t i = 0; i < v.members.size(); ++i)
    out += (i ? ",\"" : "\"") + v.members[i].first + "\":" + print(v.members[i].second);
  return out + "}";
}

Value object(std::vector<Member> members) {
  Value v;
  v.kind = Value::Kind::object;
  v.members = std::move(members);
  return v;
}

}  // namespace json
