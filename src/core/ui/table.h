#pragma once

// A window is declared as data: one row per control (name, index, kind, caption, rectangle,
// font, visibility, highlight, help lines, handlers) plus a few window-wide entries. The
// shared mechanisms in App read these tables; a window's own file holds its table and the
// handlers that are particular to it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/geometry.h"

namespace volna {
class App;
}

namespace volna::ui {

class Window;
struct Control;

enum class Kind { Label, TextBox, List, Line };

inline constexpr std::string_view kGothic = "ＭＳ Ｐゴシック";
inline constexpr std::string_view kBrush = "HGP行書体";

struct Font {
  std::string family{kGothic};
  double points = 12;
};

using ControlHandler = void (*)(App&, Window&, Control&);
using WindowHandler = void (*)(App&, Window&);

struct ControlDef {
  std::string name;
  int index = -1;  // member of a control array when >= 0
  Kind kind = Kind::Label;
  std::string caption;  // caption of a label, start text of a text box
  Rect rect;            // for a line: left/top is one end, endX/endY the other
  int endX = 0;
  int endY = 0;
  Font font;
  bool visible = true;
  bool enabled = true;
  bool highlights = false;  // turns light grey under the pointer
  bool multiline = false;
  bool readOnly = false;
  bool centre = false;    // caption centred in the rectangle
  bool autoSize = false;  // the label grows to the right to fit its caption
  std::vector<std::string> help;  // lines written into the help box on hover
  ControlHandler onClick = nullptr;
  ControlHandler onMove = nullptr;  // replaces the table's help text when set
  std::string switchTo;  // a click makes a screen switch to this window
  std::string returnTo;  // a click makes a screen return to this window

  ControlDef&& at(int i) && { index = i; return std::move(*this); }
  ControlDef&& hidden() && { visible = false; return std::move(*this); }
  ControlDef&& disabled() && { enabled = false; return std::move(*this); }
  ControlDef&& size(double points) && { font.points = points; return std::move(*this); }
  ControlDef&& family(std::string_view f) && { font.family = std::string(f); return std::move(*this); }
  ControlDef&& plain() && { highlights = false; return std::move(*this); }
  ControlDef&& centred() && { centre = true; return std::move(*this); }
  ControlDef&& grows() && { autoSize = true; return std::move(*this); }
  ControlDef&& click(ControlHandler h) && { onClick = h; return std::move(*this); }
  ControlDef&& move(ControlHandler h) && { onMove = h; return std::move(*this); }
  ControlDef&& opens(std::string_view window) && { switchTo = std::string(window); return std::move(*this); }
  ControlDef&& backTo(std::string_view window) && { returnTo = std::string(window); return std::move(*this); }
  template <class... Lines>
  ControlDef&& hover(Lines... lines) && {
    help = {std::string(lines)...};
    return std::move(*this);
  }
};

// A label that only shows text (headings, values, hidden counters and flags). 12 point.
ControlDef Label(std::string_view name, std::string_view caption, int left, int top, int width,
                 int height);
// A label that acts as a button: highlighted under the pointer, 18 point.
ControlDef Button(std::string_view name, std::string_view caption, int left, int top, int width,
                  int height);
// A single-line entry box.
ControlDef TextBox(std::string_view name, int left, int top, int width, int height);
// The drop-down list.
ControlDef List(std::string_view name, int left, int top, int width, int height);
ControlDef Line(std::string_view name, int x1, int y1, int x2, int y2);

enum class StartPosition { Default, Centred };

struct WindowDef {
  std::string name;
  std::string caption;
  StartPosition start = StartPosition::Default;
  std::vector<ControlDef> controls;
  // Written when the pointer reaches the background; nullopt keeps the help box as it is.
  std::optional<std::vector<std::string>> backgroundHelp;
  // Whether the close box runs the shutdown sequence; title and name setup only close.
  bool closeBoxShutsDown = true;
  WindowHandler onCreate = nullptr;
  WindowHandler onActivate = nullptr;
  WindowHandler onBackgroundClick = nullptr;
  WindowHandler onBackgroundMove = nullptr;  // runs after the table's highlight clearing

  // Every window gets the help box along its bottom edge.
  WindowDef(std::string_view name, std::string_view caption, std::string_view initialHelp = "");

  WindowDef&& centred() && { start = StartPosition::Centred; return std::move(*this); }
  WindowDef&& add(std::vector<ControlDef> rows) &&;
  // Four lines forming a white rectangle: names prefix+first .. prefix+(first+3).
  WindowDef&& frame(std::string_view prefix, int first, int x1, int y1, int x2, int y2) &&;
  template <class... Lines>
  WindowDef&& background(Lines... lines) && {
    backgroundHelp = std::vector<std::string>{std::string(lines)...};
    return std::move(*this);
  }
  WindowDef&& closeBoxOnlyCloses() && { closeBoxShutsDown = false; return std::move(*this); }
  WindowDef&& created(WindowHandler h) && { onCreate = h; return std::move(*this); }
  WindowDef&& activated(WindowHandler h) && { onActivate = h; return std::move(*this); }
  WindowDef&& backgroundClicked(WindowHandler h) && { onBackgroundClick = h; return std::move(*this); }
  WindowDef&& backgroundMoved(WindowHandler h) && { onBackgroundMove = h; return std::move(*this); }

  const ControlDef* find(std::string_view controlName, int index = -1) const;
};

// Joins help or message lines with CR LF, without a break after the last line.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace volna::ui
