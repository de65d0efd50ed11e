// Widget tests run with a real QApplication on the offscreen platform; on
// Windows (under Wine) in real windows, with the system's own fonts.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
#ifndef Q_OS_WIN
  qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
