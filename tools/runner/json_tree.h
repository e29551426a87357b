#pragma once
// A JSON line of the runner read back into a tree, so that a script can print
// only the parts it is about (`show CONTROL FIELD...`, `state PATH...`)
// whatever fields the views hold.
//
// Printing a tree writes every number with at most four digits after the
// point, trailing zeros dropped (10.500000000000007 prints as 10.5, 1/3 as
// 0.3333): the scripts check rules, not the last bit of a sum whose value
// depends on the order of the additions. Whole numbers print as they are.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace json {

struct Member;

struct Value {
  enum class Kind { scalar, array, object };
  Kind kind = Kind::scalar;
  // A scalar's JSON text: a string with its quotes and escapes, a number,
  // true, false or null.
  std::string text;
  std::vector<Value> items;     // an array's
  std::vector<Member> members;  // an object's, in order
};

// A member of an object. (A std::pair of the incomplete Value does not build
// with every standard library.)
struct Member {
  Member(std::string k, Value v) : first(std::move(k)), second(std::move(v)) {}
  std::string first;
  Value second;
};

// The tree of one JSON text, or nothing when the text is not JSON.
std::optional<Value> parse(const std::string& text);

// The part a path names: words split by dots, each a key of an object or an
// index into an array (from 0, or from -1 for the last); "*" takes that part
// of every item of an array. Nothing when the path names no part.
std::optional<Value> select(const Value& root, const std::string& path);

// The tree as compact JSON, numbers short.
std::string print(const Value& v);

// A number's JSON text at the printed precision.
std::string short_number(const std::string& number);

// An object of the given members, in order.
Value object(std::vector<Member> members);

}  // namespace json
