#pragma once

// What only the outside world can give the game: modal message boxes, the screen, the
// program's directory and the clock used to reseed the random generator.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/ui/geometry.h"

namespace volna {

enum class Icon { Information, Exclamation };

class Platform {
 public:
  virtual ~Platform() = default;
  // Modal: returns once the player has dismissed the box. Lines of text are joined by CR LF.
  virtual void messageBox(Icon icon, const std::string& title, const std::string& text) = 0;
  // Width and height of the screen, in twips.
  virtual ui::Rect screen() const = 0;
  // Where the window system puts a window shown without a position (left, top).
  virtual ui::Point defaultPlacement(const ui::Rect& window) = 0;
  virtual std::filesystem::path programDirectory() const = 0;
  virtual std::uint64_t clock() = 0;
};

}  // namespace volna
