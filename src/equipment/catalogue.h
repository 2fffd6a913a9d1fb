#pragma once

// The 32 weapons and 32 armours: four pages of eight slots each. Page and slot are the
// order used everywhere (change pages, save file, development recipes).

#include <string_view>
#include <vector>

namespace volna::equipment {

struct Item {
  std::string_view name;
  std::string_view value;  // attack or defence, exactly as the change page shows it
  std::vector<std::string_view> hover;
};

inline constexpr int kPages = 4;
inline constexpr int kSlots = 8;

// page 1..4, slot 0..7
const Item& weapon(int page, int slot);
const Item& armour(int page, int slot);

}  // namespace volna::equipment
