// The front-end tests run on Qt's offscreen platform unless told otherwise.

#include <gtest/gtest.h>

#include <QApplication>

#include "frontend/qt/fonts.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  volna::qt::installFontSubstitutes();
  return RUN_ALL_TESTS();
}
