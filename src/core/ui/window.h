#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/geometry.h"
#include "core/ui/table.h"

namespace volna::ui {

// A live control: the values that make up the game's state. Everything fixed comes from
// its table row.
struct Control {
  const ControlDef* def;
  std::string text;  // caption of a label, text of a text box or of the list
  bool visible;
  bool enabled;
  Color back = kBlack;
  std::vector<std::string> items;  // the drop-down list's entries

  explicit Control(const ControlDef& d)
      : def(&d), text(d.caption), visible(d.visible), enabled(d.enabled) {}

  const std::string& name() const { return def->name; }
  int index() const { return def->index; }
  Kind kind() const { return def->kind; }
  bool is(std::string_view n, int i = -1) const { return def->name == n && def->index == i; }
  // "name" or "name(index)", the way the driver and the save file write it.
  std::string path() const;
};

class Window {
 public:
  Window(const WindowDef& def, std::uint64_t instance);

  const WindowDef& def() const { return *def_; }
  const std::string& name() const { return def_->name; }
  const std::string& caption() const { return def_->caption; }
  // Distinguishes a window rebuilt after being discarded from its earlier self.
  std::uint64_t instance() const { return instance_; }

  std::vector<Control>& controls() { return controls_; }
  const std::vector<Control>& controls() const { return controls_; }
  Control* find(std::string_view name, int index = -1);
  // Throws std::out_of_range for a control the table does not declare.
  Control& control(std::string_view name, int index = -1);

  // The control that receives the pointer at p: text boxes and the list lie above labels,
  // later labels above earlier ones. Hidden or disabled labels and lines let it through.
  Control* hitTest(Point p);

  Rect geometry;  // left, top, width, height of the window in twips
  bool shown = false;
  bool placed = false;  // given a position, or shown once

 private:
  const WindowDef* def_;
  std::uint64_t instance_;
  std::vector<Control> controls_;
};

}  // namespace volna::ui
