#pragma once

// The platform without a display: message boxes are recorded and dismissed at once, the
// screen is a fixed 1920 × 1080 pixels, windows without a position cascade, and the clock is
// either the real one or, for repeatable runs, a counter from a given seed.

#include <chrono>
#include <deque>
#include <optional>

#include "core/platform.h"

namespace volna {

struct RecordedBox {
  Icon icon;
  std::string title;
  std::string text;
};

class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(std::filesystem::path directory = ".",
                            std::optional<std::uint64_t> seed = std::nullopt)
      : directory_(std::move(directory)), seed_(seed) {}

  void messageBox(Icon icon, const std::string& title, const std::string& text) override {
    boxes_.push_back({icon, title, text});
  }
  ui::Rect screen() const override { return {0, 0, 1920 * 15, 1080 * 15}; }
  ui::Point defaultPlacement(const ui::Rect&) override {
    const int step = 360 * (cascade_++ % 8);
    return {360 + step, 360 + step};
  }
  std::filesystem::path programDirectory() const override { return directory_; }
  std::uint64_t clock() override {
    if (seed_) return *seed_ + ticks_++;
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }

  // Message boxes shown so far and not yet taken, oldest first.
  std::deque<RecordedBox>& boxes() { return boxes_; }

 private:
  std::filesystem::path directory_;
  std::optional<std::uint64_t> seed_;
  std::uint64_t ticks_ = 0;
  int cascade_ = 0;
  std::deque<RecordedBox> boxes_;
};

}  // namespace volna
