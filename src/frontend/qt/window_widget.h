#pragma once

// One model window as a real top-level Qt window. Labels and lines are painted from the
// model; text boxes and the list are Qt widgets bound both ways to their controls. Every
// pointer move, click, edit, choice, window move and close box goes to the model through the
// Desktop; the widget itself decides nothing.

#include <QRectF>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/window.h"

namespace volna::qt {

class Desktop;

class WindowWidget : public QWidget {
 public:
  WindowWidget(Desktop& desktop, ui::Window& window);

  // The model window; nullptr once the game has discarded it.
  ui::Window* model() const { return window_; }
  std::uint64_t instance() const { return instance_; }

  // Brings caption texts, child widgets, size and (for a shown window) position up to date.
  void syncFromModel();
  // The model window is gone: hide, stop forwarding and never touch it again.
  void retire();

  // The Qt widget showing a text box or the list; nullptr for anything else.
  QWidget* child(std::string_view control, int index = -1) const;
  // Where a label is painted, in pixels: its rectangle, widened to fit the caption when it grows.
  QRectF labelRect(const ui::Control& label) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Child {
    ui::Control* control;
    QWidget* widget;
    std::optional<std::string> shownText;  // the model text the widget was last given
    std::vector<std::string> shownItems;    // the list's items likewise
  };

  void makeChild(ui::Control& control);
  void syncChild(Child& child);
  void pointerAt(QPointF pixels);
  QFont labelFont(const ui::Control& label, const QRectF& rect) const;
  void edited(Child& child, std::string text);

  Desktop& desktop_;
  ui::Window* window_;
  std::uint64_t instance_;
  std::vector<Child> children_;
  std::optional<ui::Point> pressed_;  // where the left button went down
  bool updating_ = false;            // the model is writing into the child widgets
};

}  // namespace volna::qt
