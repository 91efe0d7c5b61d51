// Window tests run on Qt's offscreen platform with a real QApplication.
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/platform/qt_platform.h"

int main(int argc, char** argv) {
  // Offscreen unless told otherwise (for instance offscreen:configfile=screen.json).
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  kr::QtPlatform::silenceAudioWarnings();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
