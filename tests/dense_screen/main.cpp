// Window tests on an offscreen screen of twice the usual density, or of the density that
// QT_SCALE_FACTOR asks for. The scale factor has to be known before the application starts,
// so these tests have a program of their own.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Twice the density unless the caller asks for another (1.5).
  if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
