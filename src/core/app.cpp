#include "core/app.h"

#include <algorithm>
#include <stdexcept>

namespace volna {

using ui::Control;
using ui::Kind;
using ui::Window;

// --- Field ---

Control& Field::control() const { return app_->window(window_).control(control_, index_); }

std::string Field::path() const {
  std::string p = window_;
  p += '.';
  p += control_;
  if (index_ >= 0) {
    p += '(';
    p += std::to_string(index_);
    p += ')';
  }
  return p;
}

std::string Field::text() const { return control().text; }
void Field::setText(std::string_view text) const { control().text = std::string(text); }
double Field::number() const { return leadingNumber(control().text); }

double Field::strict() const {
  const std::string& t = control().text;
  if (auto v = strictNumber(t)) return *v;
  throw ConversionError(path() + " = \"" + t + "\"");
}

void Field::setNumber(double value) const { control().text = plainText(value); }
bool Field::visible() const { return control().visible; }
void Field::setVisible(bool visible) const { control().visible = visible; }
bool Field::enabled() const { return control().enabled; }
void Field::setEnabled(bool enabled) const { control().enabled = enabled; }

// --- App ---

App::App(Platform& platform, Random& random, const std::vector<const ui::WindowDef*>& windows,
         std::vector<std::string> closingOrder)
    : platform_(platform), random_(random), closingOrder_(std::move(closingOrder)) {
  for (const auto* d : windows) {
    if (!defs_.emplace(d->name, d).second)
      throw std::logic_error("window declared twice: " + d->name);
  }
}

App::~App() = default;

void App::start() {
  running_ = true;
  show(window("title"));
}

bool App::knows(std::string_view name) const { return defs_.find(name) != defs_.end(); }

Window* App::existing(std::string_view name) {
  for (auto& w : live_)
    if (w->name() == name) return w.get();
  return nullptr;
}

Window& App::window(std::string_view name) {
  if (Window* w = existing(name)) return *w;
  auto def = defs_.find(name);
  if (def == defs_.end()) throw std::out_of_range("no such window: " + std::string(name));
  live_.push_back(std::make_unique<Window>(*def->second, ++instances_));
  Window& w = *live_.back();
  firstCreated_.emplace(def->first, instances_);
  if (def->second->onCreate) def->second->onCreate(*this, w);
  return w;
}

std::vector<Window*> App::windows() {
  std::vector<Window*> out;
  for (auto& w : live_) out.push_back(w.get());
  std::stable_sort(out.begin(), out.end(), [this](Window* a, Window* b) {
    return firstCreated_.find(a->name())->second < firstCreated_.find(b->name())->second;
  });
  return out;
}

Field App::field(std::string_view path) {
  const auto dot = path.find('.');
  if (dot == std::string_view::npos) throw std::out_of_range("not a field: " + std::string(path));
  std::string_view control = path.substr(dot + 1);
  int index = -1;
  if (!control.empty() && control.back() == ')') {
    const auto open = control.find('(');
    if (open == std::string_view::npos) throw std::out_of_range("not a field: " + std::string(path));
    index = std::stoi(std::string(control.substr(open + 1, control.size() - open - 2)));
    control = control.substr(0, open);
  }
  return field(path.substr(0, dot), control, index);
}

void App::place(Window& w) {
  const ui::Rect screen = platform_.screen();
  if (w.def().start == ui::StartPosition::Centred) {
    w.geometry.left = screen.left + (screen.width - w.geometry.width) / 2;
    w.geometry.top = screen.top + (screen.height - w.geometry.height) / 2;
  } else {
    const ui::Point p = platform_.defaultPlacement(w.geometry);
    w.geometry.left = p.x;
    w.geometry.top = p.y;
  }
  w.placed = true;
}

void App::show(Window& w) {
  if (!w.placed) place(w);
  w.shown = true;
  if (active_ == &w) return;
  active_ = &w;
  if (w.def().onActivate) w.def().onActivate(*this, w);
}

void App::hide(Window& w) {
  w.shown = false;
  if (active_ == &w) active_ = nullptr;
}

void App::close(Window& w) {
  auto it = std::find_if(live_.begin(), live_.end(), [&](auto& p) { return p.get() == &w; });
  if (it == live_.end()) return;  // already closed
  hide(w);
  closed_.push_back(std::move(*it));
  live_.erase(it);
}

void App::shutdown() {
  for (const std::string& name : closingOrder_)
    if (Window* w = existing(name)) close(*w);
}

void App::placeLike(Window& target, const Window& source) {
  target.geometry.height = source.geometry.height;
  target.geometry.width = source.geometry.width;
  target.geometry.top = source.geometry.top;
  target.geometry.left = source.geometry.left;
  target.placed = true;
}

void App::screenSwitch(Window& from, std::string_view to) {
  Window& target = window(to);
  placeLike(target, window("メイン"));
  show(target);
  hide(from);
}

void App::screenReturn(Window& from, std::string_view to) {
  show(window(to));
  hide(from);
}

void App::setHelp(Window& w, std::string_view text) { w.control("help").text = std::string(text); }

void App::message(Icon icon, std::string_view title, std::string_view text) {
  platform_.messageBox(icon, std::string(title), std::string(text));
}

// Runs one player event. A caption that had to hold a number but did not (only a damaged
// value can do that) abandons the handler with a message instead of ending the program.
// When no window is left afterwards, the program has ended.
template <class F>
void App::event(F&& f) {
  if (!running_) return;
  ++depth_;
  try {
    f();
  } catch (const ConversionError& e) {
    message(Icon::Exclamation, "エラー", std::string("数値ではない値があるため、処理を中止しました。\r\n") + e.what());
  } catch (...) {
    --depth_;
    throw;
  }
  if (--depth_ == 0) {
    closed_.clear();
    if (live_.empty()) running_ = false;
  }
}

void App::pointerMove(Window& w, ui::Point p) {
  event([&] { moveOver(w, w.hitTest(p)); });
}

void App::click(Window& w, ui::Point p) {
  event([&] { clickOn(w, w.hitTest(p)); });
}

void App::moveOver(Window& w, Control* c) {
  event([&] {
    const ui::WindowDef& def = w.def();
    if (!c) {
      for (auto& other : w.controls())
        if (other.def->highlights) other.back = ui::kBlack;
      if (def.onBackgroundMove) def.onBackgroundMove(*this, w);
      if (def.backgroundHelp) setHelp(w, ui::joinLines(*def.backgroundHelp));
      return;
    }
    if (c->kind() == Kind::Label && c->def->highlights) c->back = ui::kHighlight;
    if (c->def->onMove)
      c->def->onMove(*this, w, *c);
    else if (!c->def->help.empty())
      setHelp(w, ui::joinLines(c->def->help));
  });
}

void App::clickOn(Window& w, Control* c) {
  event([&] {
    if (!c) {
      if (w.def().onBackgroundClick) w.def().onBackgroundClick(*this, w);
    } else if (c->kind() == Kind::Label) {
      if (c->def->onClick) c->def->onClick(*this, w, *c);
      if (!c->def->switchTo.empty()) screenSwitch(w, c->def->switchTo);
      if (!c->def->returnTo.empty()) screenReturn(w, c->def->returnTo);
    }
  });
}

void App::editText(Window& w, Control& c, std::string text) {
  (void)w;
  event([&] { c.text = std::move(text); });
}

void App::chooseItem(Window& w, Control& c, std::size_t item) {
  (void)w;
  event([&] {
    if (item < c.items.size()) c.text = c.items[item];
  });
}

void App::closeBox(Window& w) {
  event([&] {
    if (w.def().closeBoxShutsDown)
      shutdown();
    else
      close(w);
  });
}

void App::moveWindow(Window& w, int left, int top) {
  event([&] {
    w.geometry.left = left;
    w.geometry.top = top;
    w.placed = true;
  });
}

}  // namespace volna
