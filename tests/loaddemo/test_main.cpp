// The window tests run in this process on Qt's offscreen platform, with the layer's
// Application made as loaddemo's main() makes it.
#include <gtest/gtest.h>

#include "TApplication.h"

int main(int argc, char **argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication application(argc, argv);
  application.Initialize();
  return RUN_ALL_TESTS();
}
