// The game program: the title window on the desktop; ends when the last game window closes.

#include <QApplication>
#include <cstdio>

#include "core/app.h"
#include "core/random.h"
#include "frontend/qt/desktop.h"
#include "frontend/qt/fonts.h"
#include "frontend/qt/platform.h"
#include "screens.h"

int main(int argc, char** argv) {
  // The game reads no command line; Qt gets only the program name, so it reads none either.
  (void)argc;
  // Screens open where the main screen stands, which needs windows that can be placed; a
  // Wayland session gives that to X11 clients only, so X11 comes first where both exist.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    // Qt would abort without a display; say what to do instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
      std::fputs("volna: no display to show the game on (without a screen: xvfb-run -a volna)\n",
                 stderr);
      return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  }
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication qt(qtArgc, qtArgv);
  // Windows are hidden and shown, never closed by Qt; the model says when the game is over.
  QApplication::setQuitOnLastWindowClosed(false);
  volna::qt::installFontSubstitutes();

  volna::qt::QtPlatform platform;
  volna::ClockedRandom random([&platform] { return platform.clock(); });
  volna::App app(platform, random, volna::allWindows(), volna::shutdownOrder());
  volna::qt::Desktop desktop(app, platform);

  app.start();
  desktop.sync();
  if (!app.running()) return 0;
  return QApplication::exec();
}
