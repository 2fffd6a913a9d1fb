#include "core/ui/window.h"

#include <stdexcept>

namespace volna::ui {

namespace {

ControlDef make(Kind kind, std::string_view name, std::string_view caption, Rect rect) {
  ControlDef d;
  d.name = std::string(name);
  d.kind = kind;
  d.caption = std::string(caption);
  d.rect = rect;
  return d;
}

}  // namespace

ControlDef Label(std::string_view name, std::string_view caption, int left, int top, int width,
                 int height) {
  return make(Kind::Label, name, caption, {left, top, width, height});
}

ControlDef Button(std::string_view name, std::string_view caption, int left, int top, int width,
                  int height) {
  ControlDef d = make(Kind::Label, name, caption, {left, top, width, height});
  d.highlights = true;
  d.font.points = 18;
  return d;
}

ControlDef TextBox(std::string_view name, int left, int top, int width, int height) {
  return make(Kind::TextBox, name, "", {left, top, width, height});
}

ControlDef List(std::string_view name, int left, int top, int width, int height) {
  return make(Kind::List, name, "", {left, top, width, height});
}

ControlDef Line(std::string_view name, int x1, int y1, int x2, int y2) {
  ControlDef d = make(Kind::Line, name, "", {x1, y1, 0, 0});
  d.endX = x2;
  d.endY = y2;
  return d;
}

WindowDef::WindowDef(std::string_view n, std::string_view c, std::string_view initialHelp)
    : name(n), caption(c) {
  ControlDef help = make(Kind::TextBox, "help", initialHelp, {360, 4320, 9015, 1980});
  help.multiline = true;
  help.readOnly = true;
  help.font.points = 18;
  controls.push_back(std::move(help));
}

WindowDef&& WindowDef::add(std::vector<ControlDef> rows) && {
  for (auto& r : rows) {
    if (find(r.name, r.index)) throw std::logic_error(name + ": control declared twice: " + r.name);
    controls.push_back(std::move(r));
  }
  return std::move(*this);
}

WindowDef&& WindowDef::frame(std::string_view prefix, int first, int x1, int y1, int x2, int y2) && {
  auto n = [&](int k) { return std::string(prefix) + std::to_string(first + k); };
  return std::move(*this).add({Line(n(0), x1, y1, x2, y1), Line(n(1), x2, y1, x2, y2),
                               Line(n(2), x2, y2, x1, y2), Line(n(3), x1, y2, x1, y1)});
}

const ControlDef* WindowDef::find(std::string_view controlName, int index) const {
  for (const auto& c : controls)
    if (c.name == controlName && c.index == index) return &c;
  return nullptr;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += "\r\n";
    out += lines[i];
  }
  return out;
}

std::string Control::path() const {
  return def->index < 0 ? def->name : def->name + "(" + std::to_string(def->index) + ")";
}

Window::Window(const WindowDef& def, std::uint64_t instance) : def_(&def), instance_(instance) {
  controls_.reserve(def.controls.size());
  for (const auto& c : def.controls) controls_.emplace_back(c);
  geometry = {0, 0, kClientWidth, kClientHeight};
}

Control* Window::find(std::string_view name, int index) {
  for (auto& c : controls_)
    if (c.is(name, index)) return &c;
  return nullptr;
}

Control& Window::control(std::string_view name, int index) {
  if (Control* c = find(name, index)) return *c;
  std::string what = this->name() + "." + std::string(name);
  if (index >= 0) what += "(" + std::to_string(index) + ")";
  throw std::out_of_range("no such control: " + what);
}

Control* Window::hitTest(Point p) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if ((it->kind() == Kind::TextBox || it->kind() == Kind::List) && it->visible &&
        it->def->rect.contains(p))
      return &*it;
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if (it->kind() == Kind::Label && it->visible && it->enabled && it->def->rect.contains(p))
      return &*it;
  return nullptr;
}

}  // namespace volna::ui
