#pragma once
// One inventory slot.
#include <cstdint>
#include <string>

struct invitem {
  std::string name;
  std::string picture;
  int32_t count = 0;
  int32_t weight = 0;
  int32_t state = 0;
  std::string kind;
  int32_t ref = 0;
  int32_t price = 0;
  std::string description;
};

// Every field, in the record's order, for whoever lists them.
template <class F>
void fields(const invitem& s, F&& f) {
  f("name", s.name);
  f("picture", s.picture);
  f("count", s.count);
  f("weight", s.weight);
  f("state", s.state);
  f("kind", s.kind);
  f("ref", s.ref);
  f("price", s.price);
  f("description", s.description);
}
