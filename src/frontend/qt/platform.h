#pragma once

// The platform of the desktop program: Qt's message boxes, the primary screen, the directory
// of the executable and the system clock.

#include <QString>
#include <functional>

#include "core/platform.h"

class QWidget;

namespace volna::qt {

// CR LF (and a lone CR) as Qt's line break.
QString displayText(const std::string& text);

class QtPlatform : public Platform {
 public:
  // Runs before a message box is shown: brings the windows up to date and returns the window
  // the box belongs to (nullptr for none).
  using BeforeMessage = std::function<QWidget*()>;
  void setBeforeMessage(BeforeMessage hook) { beforeMessage_ = std::move(hook); }

  void messageBox(Icon icon, const std::string& title, const std::string& text) override;
  ui::Rect screen() const override;
  ui::Point defaultPlacement(const ui::Rect& window) override;
  std::filesystem::path programDirectory() const override;
  std::uint64_t clock() override;

 private:
  BeforeMessage beforeMessage_;
  int cascade_ = 0;
};

}  // namespace volna::qt
