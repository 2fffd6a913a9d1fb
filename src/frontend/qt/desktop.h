#pragma once

// The desktop front-end: keeps one Qt window per live model window and makes them match the
// model after every event the player causes and before every message box. It draws and
// forwards; what happens is decided by the model.

#include <QWidget>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "frontend/qt/platform.h"
#include "frontend/qt/window_widget.h"

namespace volna::qt {

class Desktop {
 public:
  // Hooks itself into the platform's message boxes. `app` and `platform` must outlive it.
  Desktop(App& app, QtPlatform& platform);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  App& app() { return app_; }

  // Makes the Qt windows match the model: creates, retires, fills, places, shows and hides
  // them, and brings the model's active window to the front.
  void sync();
  // Runs one player event in the model, then syncs; when the game has ended, calls the
  // end handler (by default: quit Qt's event loop).
  void forward(const std::function<void()>& event);
  void onEnded(std::function<void()> handler) { ended_ = std::move(handler); }

  // The Qt window of the live model window `name`, or nullptr.
  WindowWidget* widget(std::string_view name);

 private:
  void syncOnce();
  WindowWidget* find(const ui::Window& w);

  App& app_;
  QtPlatform& platform_;
  std::map<std::uint64_t, WindowWidget*> widgets_;  // by model instance; owned
  std::vector<QPointer<WindowWidget>> retired_;     // deleted later, never while in use
  std::uint64_t raised_ = 0;  // instance of the window last brought to the front
  bool syncing_ = false;
  bool again_ = false;
  std::function<void()> ended_;
};

}  // namespace volna::qt
