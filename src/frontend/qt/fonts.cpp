#include "frontend/qt/fonts.h"

#include <QString>
#include <cmath>

namespace volna::qt {

void installFontSubstitutes() {
  QFont::insertSubstitution(QString::fromUtf8(ui::kGothic.data(), ui::kGothic.size()),
                            kGothicStandIn);
  QFont::insertSubstitution(QString::fromUtf8(ui::kBrush.data(), ui::kBrush.size()),
                            kBrushStandIn);
}

QFont fontFor(const ui::Font& font) {
  QFont f(QString::fromStdString(font.family));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.points * 4 / 3))));
  return f;
}

}  // namespace volna::qt
