#pragma once

#include <cstdint>

namespace volna::ui {

// All positions and sizes are in twips (1/1440 inch), as the window tables give them.
struct Point {
  int x = 0;
  int y = 0;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool contains(Point p) const {
    return p.x >= left && p.x < left + width && p.y >= top && p.y < top + height;
  }
};

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Color, Color) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
// Background of a label button under the pointer.
inline constexpr Color kHighlight{190, 190, 190};

// Every window has the same client area.
inline constexpr int kClientWidth = 9705;
inline constexpr int kClientHeight = 6585;

}  // namespace volna::ui
