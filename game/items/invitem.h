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
