#pragma once

// The model measures in twips; Qt in logical pixels. At 96 dpi a pixel is 15 twips, and Qt's
// high-DPI scaling maps logical pixels onto larger screens, so the ratio stays fixed.

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <cmath>

#include "core/ui/geometry.h"

namespace volna::qt {

inline constexpr int kTwipsPerPixel = 15;

inline double pixels(int twips) { return static_cast<double>(twips) / kTwipsPerPixel; }
inline int wholePixels(int twips) { return static_cast<int>(std::lround(pixels(twips))); }
// A pixel covers the twips from its left edge up to the next pixel.
inline int twips(double pixels) { return static_cast<int>(std::floor(pixels * kTwipsPerPixel)); }

inline ui::Point twips(QPointF p) { return {twips(p.x()), twips(p.y())}; }
inline QRectF pixels(const ui::Rect& r) {
  return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}
inline QRect wholePixels(const ui::Rect& r) {
  return {wholePixels(r.left), wholePixels(r.top), wholePixels(r.width), wholePixels(r.height)};
}

}  // namespace volna::qt
