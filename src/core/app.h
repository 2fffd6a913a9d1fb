#pragma once

// The application: the registry of the 31 windows, their lifetime (created on first touch,
// shown, hidden, closed), activation, the two hand-overs between screens, hover help,
// message boxes, the shutdown sequence and the end of the program. Screens reach the game
// state through Field, by the names of their windows and controls.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers.h"
#include "core/platform.h"
#include "core/random.h"
#include "core/ui/table.h"
#include "core/ui/window.h"

namespace volna {

class App;

// One state field: a label's caption or visibility, a text box's text. Every access touches
// the window, creating it with its initial values if it does not exist yet.
class Field {
 public:
  Field(App& app, std::string window, std::string control, int index)
      : app_(&app), window_(std::move(window)), control_(std::move(control)), index_(index) {}

  std::string text() const;
  void setText(std::string_view text) const;
  // The leading number of the text (0 when there is none).
  double number() const;
  // The whole text as a number; throws ConversionError when it is not one.
  double strict() const;
  // Writes the number as plain text.
  void setNumber(double value) const;
  bool visible() const;
  void setVisible(bool visible) const;
  bool enabled() const;
  void setEnabled(bool enabled) const;

  ui::Control& control() const;
  std::string path() const;

 private:
  App* app_;
  std::string window_;
  std::string control_;
  int index_;
};

class App {
 public:
  // `closingOrder` is the order in which the shutdown sequence closes the windows.
  App(Platform& platform, Random& random, const std::vector<const ui::WindowDef*>& windows,
      std::vector<std::string> closingOrder);
  ~App();

  // Shows the title window: the program's start.
  void start();
  bool running() const { return running_; }

  // --- windows ---
  bool knows(std::string_view name) const;
  // The window, created hidden with its initial values if needed. Throws std::out_of_range
  // for a name no table declares.
  ui::Window& window(std::string_view name);
  // The window if it exists (created and not closed), without creating it.
  ui::Window* existing(std::string_view name);
  // Live windows in the order they were first created.
  std::vector<ui::Window*> windows();
  ui::Window* active() const { return active_; }

  // "window.control" or "window.control(index)".
  Field field(std::string_view path);
  Field field(std::string_view window, std::string_view control, int index = -1) {
    return Field(*this, std::string(window), std::string(control), index);
  }

  // --- what the game's handlers do ---
  // Shows modeless; a window that becomes the active one is activated.
  void show(ui::Window& w);
  void hide(ui::Window& w);
  // The game discards a window: no close handler runs.
  void close(ui::Window& w);
  // Closes every game window in the fixed order; nothing is saved.
  void shutdown();
  // Height, width, top and left of target := those of source, in this order.
  void placeLike(ui::Window& target, const ui::Window& source);
  // Forward: the new window takes the main screen's place, is shown, the old one hidden.
  void screenSwitch(ui::Window& from, std::string_view to);
  // Back: the target is shown where it was, the old one hidden.
  void screenReturn(ui::Window& from, std::string_view to);
  void setHelp(ui::Window& w, std::string_view text);
  void message(Icon icon, std::string_view title, std::string_view text);

  Random& random() { return random_; }
  Platform& platform() { return platform_; }

  // --- what the player does ---
  void pointerMove(ui::Window& w, ui::Point p);
  void click(ui::Window& w, ui::Point p);
  // The same, already resolved to a control (nullptr: the window background).
  void moveOver(ui::Window& w, ui::Control* c);
  void clickOn(ui::Window& w, ui::Control* c);
  void editText(ui::Window& w, ui::Control& c, std::string text);
  void chooseItem(ui::Window& w, ui::Control& c, std::size_t item);
  void closeBox(ui::Window& w);
  void moveWindow(ui::Window& w, int left, int top);

 private:
  template <class F>
  void event(F&& f);
  void place(ui::Window& w);

  Platform& platform_;
  Random& random_;
  std::map<std::string, const ui::WindowDef*, std::less<>> defs_;
  std::vector<std::string> closingOrder_;
  std::map<std::string, std::uint64_t, std::less<>> firstCreated_;
  std::vector<std::unique_ptr<ui::Window>> live_;
  // Closed windows stay allocated until the event that closed them has finished, so a
  // handler may close its own window and return safely.
  std::vector<std::unique_ptr<ui::Window>> closed_;
  ui::Window* active_ = nullptr;
  std::uint64_t instances_ = 0;
  bool running_ = false;
  int depth_ = 0;
};

}  // namespace volna
