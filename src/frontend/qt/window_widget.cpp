#include "frontend/qt/window_widget.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextOption>
#include <algorithm>

#include "frontend/qt/desktop.h"
#include "frontend/qt/fonts.h"
#include "frontend/qt/platform.h"
#include "frontend/qt/twips.h"

namespace volna::qt {

using ui::Control;
using ui::Kind;

namespace {

QColor qColor(ui::Color c) { return QColor(c.r, c.g, c.b); }

// The styles derive a text box's frame from the window colour, which would leave its edges
// black on black.
const QString kBoxStyle = QStringLiteral(
    "background-color: black; color: white; border: 1px solid #808080;");

// Text boxes keep the game's line breaks (CR LF); Qt's editors use LF.
std::string modelText(QString text) {
  return text.replace(QChar('\n'), QStringLiteral("\r\n")).toStdString();
}

// A disabled label's caption is drawn dimmed, as the player knows it from other programs.
const QColor kDisabledText(128, 128, 128);

}  // namespace

WindowWidget::WindowWidget(Desktop& desktop, ui::Window& window)
    : QWidget(nullptr, Qt::Window),
      desktop_(desktop),
      window_(&window),
      instance_(window.instance()) {
  setWindowTitle(QString::fromStdString(window.caption()));
  setMouseTracking(true);
  QPalette pal = palette();
  for (auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button})
    pal.setColor(role, Qt::black);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                    QPalette::PlaceholderText})
    pal.setColor(role, Qt::white);
  setPalette(pal);
  setAutoFillBackground(true);
  for (Control& c : window.controls())
    if (c.kind() == Kind::TextBox || c.kind() == Kind::List) makeChild(c);
  syncFromModel();
}

void WindowWidget::makeChild(Control& c) {
  const ui::ControlDef& def = *c.def;
  QWidget* widget = nullptr;
  QWidget* pointerSurface = nullptr;  // the widget that receives the child's mouse events
  const std::size_t slot = children_.size();
  if (c.kind() == Kind::List) {
    auto* list = new QComboBox(this);
    list->setEditable(false);
    connect(list, &QComboBox::activated, this, [this, slot](int item) {
      if (!window_ || item < 0) return;
      ui::Window* w = window_;
      Control* control = children_[slot].control;
      const auto chosen = static_cast<std::size_t>(item);
      desktop_.forward([&] { desktop_.app().chooseItem(*w, *control, chosen); });
    });
    widget = pointerSurface = list;
  } else if (def.multiline) {
    auto* box = new QPlainTextEdit(this);
    box->setReadOnly(def.readOnly);
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // No scroll bars, as the game's boxes never had them; a long text still scrolls by wheel.
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (def.readOnly) {
      // The game only writes into it; it should not take the keyboard from the entry boxes.
      box->setFocusPolicy(Qt::NoFocus);
      box->viewport()->setCursor(Qt::ArrowCursor);
    } else {
      connect(box, &QPlainTextEdit::textChanged, this, [this, slot, box] {
        if (!updating_) edited(children_[slot], modelText(box->toPlainText()));
      });
    }
    box->setStyleSheet(QStringLiteral("QPlainTextEdit { %1 }").arg(kBoxStyle));
    widget = box;
    pointerSurface = box->viewport();
  } else {
    auto* edit = new QLineEdit(this);
    edit->setReadOnly(def.readOnly);
    connect(edit, &QLineEdit::textEdited, this,
            [this, slot](const QString& text) { edited(children_[slot], text.toStdString()); });
    edit->setStyleSheet(
        QStringLiteral("QLineEdit { %1 } QLineEdit:focus { border-color: white; }").arg(kBoxStyle));
    widget = pointerSurface = edit;
  }
  widget->setFont(fontFor(def.font));
  widget->setGeometry(wholePixels(def.rect));
  pointerSurface->setMouseTracking(true);
  pointerSurface->installEventFilter(this);
  children_.push_back({&c, widget, std::nullopt, {}});
}

void WindowWidget::edited(Child& child, std::string text) {
  if (!window_) return;
  ui::Window* w = window_;
  Control* control = child.control;
  child.shownText = text;  // the widget already shows it
  desktop_.forward([&] { desktop_.app().editText(*w, *control, std::move(text)); });
}

QWidget* WindowWidget::child(std::string_view control, int index) const {
  for (const Child& c : children_)
    if (c.control->def->name == control && c.control->def->index == index) return c.widget;
  return nullptr;
}

void WindowWidget::syncChild(Child& ch) {
  const Control& c = *ch.control;
  updating_ = true;
  if (auto* list = qobject_cast<QComboBox*>(ch.widget)) {
    if (c.items != ch.shownItems || c.text != ch.shownText) {
      QSignalBlocker block(list);
      if (c.items != ch.shownItems) {
        list->clear();
        for (const std::string& item : c.items) list->addItem(QString::fromStdString(item));
        ch.shownItems = c.items;
      }
      // A text that is not one of the items is still shown, in place of a choice.
      const int at = list->findText(QString::fromStdString(c.text), Qt::MatchExactly);
      list->setPlaceholderText(at < 0 ? QString::fromStdString(c.text) : QString());
      list->setCurrentIndex(at);
      ch.shownText = c.text;
    }
  } else if (c.text != ch.shownText) {
    if (auto* box = qobject_cast<QPlainTextEdit*>(ch.widget))
      box->setPlainText(displayText(c.text));
    else if (auto* edit = qobject_cast<QLineEdit*>(ch.widget))
      edit->setText(QString::fromStdString(c.text));
    ch.shownText = c.text;
  }
  updating_ = false;
  if (ch.widget->isHidden() == c.visible) ch.widget->setVisible(c.visible);
  if (ch.widget->isEnabled() != c.enabled) ch.widget->setEnabled(c.enabled);
}

void WindowWidget::syncFromModel() {
  if (!window_) return;
  for (Child& ch : children_) syncChild(ch);
  const ui::Rect& g = window_->geometry;
  const QSize size(wholePixels(g.width), wholePixels(g.height));
  if (this->size() != size) setFixedSize(size);
  if (window_->shown) {
    const QPoint at(wholePixels(g.left), wholePixels(g.top));
    if (pos() != at) move(at);
  }
  update();
}

void WindowWidget::retire() {
  window_ = nullptr;
  pressed_.reset();
  hide();
}

QRectF WindowWidget::labelRect(const Control& c) const {
  QRectF r = pixels(c.def->rect);
  if (c.def->autoSize) {
    const QFontMetricsF metrics(fontFor(c.def->font));
    r.setWidth(std::max(r.width(), metrics.horizontalAdvance(displayText(c.text))));
    // Values at the right edge (the money) would run out of the window as they grow; they
    // move left instead, so every digit stays readable.
    if (r.right() > width()) r.moveRight(width());
  }
  return r;
}

// The stand-in fonts are wider than the ones the windows were laid out with. A one-line
// caption that no longer fits would wrap below its label and vanish; it is narrowed instead
// (the title word is the case in point).
QFont WindowWidget::labelFont(const Control& c, const QRectF& r) const {
  QFont font = fontFor(c.def->font);
  const QString text = displayText(c.text);
  if (c.def->autoSize || text.contains(QChar('\n'))) return font;
  const QFontMetricsF metrics(font);
  const double natural = metrics.horizontalAdvance(text);
  if (natural <= r.width() || r.height() >= 2 * metrics.lineSpacing()) return font;
  font.setStretch(std::max(50, static_cast<int>(100 * r.width() / natural)));
  return font;
}

void WindowWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (!window_) return;
  // In declaration order: later controls lie above earlier ones, as in hit-testing.
  for (const Control& c : window_->controls()) {
    if (!c.visible) continue;
    if (c.kind() == Kind::Line) {
      const ui::ControlDef& d = *c.def;
      painter.setPen(QPen(Qt::white, 2));
      painter.drawLine(QPointF(pixels(d.rect.left), pixels(d.rect.top)),
                       QPointF(pixels(d.endX), pixels(d.endY)));
    } else if (c.kind() == Kind::Label) {
      const QRectF r = labelRect(c);
      painter.fillRect(r, qColor(c.back));
      QTextOption option((c.def->centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
      option.setWrapMode(c.def->autoSize ? QTextOption::NoWrap
                                         : QTextOption::WrapAtWordBoundaryOrAnywhere);
      painter.save();
      painter.setClipRect(r);
      painter.setFont(labelFont(c, r));
      painter.setPen(c.enabled ? QColor(Qt::white) : kDisabledText);
      painter.drawText(r, displayText(c.text), option);
      painter.restore();
    }
  }
}

void WindowWidget::pointerAt(QPointF at) {
  if (!window_) return;
  ui::Window* w = window_;
  const ui::Point p = twips(at);
  const Control* under = w->hitTest(p);
  if (under && under->kind() == Kind::Label && under->def->highlights)
    setCursor(Qt::PointingHandCursor);
  else
    unsetCursor();
  desktop_.forward([&] { desktop_.app().pointerMove(*w, p); });
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) { pointerAt(event->position()); }

void WindowWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && window_) pressed_ = twips(event->position());
}

// A click is a press and a release of the left button over the same label, or both over
// the background.
void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_ || !window_) return;
  ui::Window* w = window_;
  const ui::Point down = *pressed_;
  pressed_.reset();
  const ui::Point up = twips(event->position());
  if (w->hitTest(down) != w->hitTest(up)) return;
  desktop_.forward([&] { desktop_.app().click(*w, up); });
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The model decides what closing means; the Qt window only disappears when the model
  // says so.
  event->ignore();
  if (!window_) return;
  ui::Window* w = window_;
  desktop_.forward([&] { desktop_.app().closeBox(*w); });
}

// The player moved the window: the model follows, so the next screen opens where it stands.
void WindowWidget::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!window_ || !isVisible() || !window_->shown) return;
  ui::Window* w = window_;
  const QPoint at = pos();
  if (at == QPoint(wholePixels(w->geometry.left), wholePixels(w->geometry.top))) return;
  desktop_.forward([&] {
    desktop_.app().moveWindow(*w, at.x() * kTwipsPerPixel, at.y() * kTwipsPerPixel);
  });
}

bool WindowWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    auto* surface = static_cast<QWidget*>(watched);
    pointerAt(surface->mapTo(this, static_cast<QMouseEvent*>(event)->position()));
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace volna::qt
