// One game per player: the lock, and bringing the table back.
#include <QApplication>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include "single_instance.h"

namespace blefino {
namespace {

// The program itself is started twice in single_instance_test.sh; here is
// what that cannot show.
TEST(SingleInstance, ACopyThatHoldsTheLockButDoesNotAnswerKeepsOthersOut) {
  QTemporaryDir settings;
  QLockFile held(settings.filePath("Blefino.lock"));
  ASSERT_TRUE(held.tryLock());
  SingleInstance later(settings.path());
  EXPECT_FALSE(later.first());
  EXPECT_FALSE(later.wake_running_copy());  // so it says "Блефино уже запущено"
  held.unlock();
  EXPECT_TRUE(SingleInstance(settings.path()).first());

  // No lock to be had (a file where the folder should be), nobody answering: the game plays.
  ASSERT_TRUE(QFile(settings.filePath("file")).open(QIODevice::WriteOnly));
  EXPECT_TRUE(SingleInstance(settings.filePath("file/Talvik")).first());
}

// A knock brings the table back from the task bar.
TEST(SingleInstance, AKnockRestoresTheMinimisedTable) {
  QWidget table;
  table.showMinimized();
  bring_windows_to_front();
  EXPECT_FALSE(table.isMinimized());
  EXPECT_TRUE(table.isVisible());
}

}  // namespace
}  // namespace blefino

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
