#pragma once

#include <QFont>

#include "core/ui/table.h"

namespace volna::qt {

// The tables name the fonts the game was drawn with; these free fonts stand in for them.
inline constexpr const char* kGothicStandIn = "IPAPGothic";
inline constexpr const char* kBrushStandIn = "AoyagiKouzanFontT";

// Registers the stand-ins. Call once after the QApplication exists.
void installFontSubstitutes();

// The font of a control. Sized in pixels (a point is 20 twips, 4/3 of a logical pixel) so
// that text keeps its proportion to the twip rectangles whatever DPI the desktop reports.
QFont fontFor(const ui::Font& font);

}  // namespace volna::qt
