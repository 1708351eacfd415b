// Runs the tests inside a QApplication on Qt's offscreen platform: no display needed.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
