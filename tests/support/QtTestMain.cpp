// main() of the widget test programs: GoogleTest under a QApplication on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char **argv) {
  // CTest lists the cases by running the program outside the environment it gives the tests.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication App(argc, argv);
  return RUN_ALL_TESTS();
}
