#include "frontend/qt/desktop.h"

#include <QCoreApplication>
#include <exception>
#include <set>
#include <string>

namespace volna::qt {

Desktop::Desktop(App& app, QtPlatform& platform)
    : app_(app), platform_(platform), ended_([] { QCoreApplication::quit(); }) {
  // The player sees the state the message is about (a lowered count, a new caption) while
  // the box waits for OK.
  platform_.setBeforeMessage([this]() -> QWidget* {
    sync();
    ui::Window* active = app_.active();
    return active && active->shown ? find(*active) : nullptr;
  });
}

Desktop::~Desktop() {
  platform_.setBeforeMessage(nullptr);
  for (auto& [id, w] : widgets_) delete w;
  for (auto& w : retired_) delete w.data();
}

WindowWidget* Desktop::find(const ui::Window& w) {
  auto it = widgets_.find(w.instance());
  return it == widgets_.end() ? nullptr : it->second;
}

WindowWidget* Desktop::widget(std::string_view name) {
  ui::Window* w = app_.existing(name);
  return w ? find(*w) : nullptr;
}

void Desktop::forward(const std::function<void()>& event) {
  if (!app_.running()) return;
  try {
    event();
  } catch (const std::exception& e) {
    // A fault in a handler must not take the player's game down with it.
    app_.message(Icon::Exclamation, "エラー",
                 std::string("予期しないエラーのため、処理を中止しました。\r\n") + e.what());
  }
  sync();
  if (!app_.running() && ended_) ended_();
}

void Desktop::sync() {
  // Placing a window can report a move, which syncs again: finish this pass, then repeat.
  if (syncing_) {
    again_ = true;
    return;
  }
  syncing_ = true;
  do {
    again_ = false;
    syncOnce();
  } while (again_);
  syncing_ = false;
}

void Desktop::syncOnce() {
  const std::vector<ui::Window*> live = app_.windows();
  std::set<std::uint64_t> ids;
  for (ui::Window* w : live) ids.insert(w->instance());
  // Discarded windows (tukau and kekka come back as new instances) lose their Qt window. It
  // may be the one whose event is running now, so it is deleted later.
  for (auto it = widgets_.begin(); it != widgets_.end();) {
    if (ids.count(it->first)) {
      ++it;
      continue;
    }
    it->second->retire();
    it->second->deleteLater();
    retired_.emplace_back(it->second);
    it = widgets_.erase(it);
  }
  std::erase_if(retired_, [](const QPointer<WindowWidget>& w) { return w.isNull(); });

  for (ui::Window* w : live) {
    WindowWidget*& widget = widgets_[w->instance()];
    if (!widget) widget = new WindowWidget(*this, *w);
    widget->syncFromModel();
  }
  // The new screen appears before the old one goes, so the desktop never flashes empty.
  for (ui::Window* w : live)
    if (w->shown && widgets_[w->instance()]->isHidden()) widgets_[w->instance()]->show();
  for (ui::Window* w : live)
    if (!w->shown && !widgets_[w->instance()]->isHidden()) widgets_[w->instance()]->hide();

  ui::Window* active = app_.active();
  if (!active || !active->shown) {
    raised_ = 0;
  } else if (active->instance() != raised_) {
    raised_ = active->instance();
    WindowWidget* widget = widgets_[raised_];
    widget->raise();
    widget->activateWindow();
  }
}

}  // namespace volna::qt
