// Window tests run on Qt's offscreen platform with a real QApplication.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Offscreen, keeping an offscreen screen set up by the caller (offscreen:configfile=...).
  if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
