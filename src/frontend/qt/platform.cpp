#include "frontend/qt/platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <chrono>

#include "frontend/qt/twips.h"

namespace volna::qt {

QString displayText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

void QtPlatform::messageBox(Icon icon, const std::string& title, const std::string& text) {
  QWidget* parent = beforeMessage_ ? beforeMessage_() : nullptr;
  QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning,
                  QString::fromStdString(title), displayText(text), QMessageBox::Ok, parent);
  // A name or a damaged value could look like markup; the game's texts are plain.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

ui::Rect QtPlatform::screen() const {
  QRect r(0, 0, 1920, 1080);
  if (const QScreen* s = QGuiApplication::primaryScreen()) r = s->availableGeometry();
  return {r.x() * kTwipsPerPixel, r.y() * kTwipsPerPixel, r.width() * kTwipsPerPixel,
          r.height() * kTwipsPerPixel};
}

// Windows shown without a position cascade from the top left of the usable screen.
ui::Point QtPlatform::defaultPlacement(const ui::Rect&) {
  const ui::Rect s = screen();
  const int step = 360 * (1 + cascade_++ % 8);
  return {s.left + step, s.top + step};
}

std::filesystem::path QtPlatform::programDirectory() const {
  return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

std::uint64_t QtPlatform::clock() {
  return static_cast<std::uint64_t>(
      std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace volna::qt
