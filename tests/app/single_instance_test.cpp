// One game per player: the lock and the knock, with one process standing in
// for two copies of the game.
#include <QApplication>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QWidget>
#include <future>
#include <gtest/gtest.h>

#include "single_instance.h"

namespace blefino {
namespace {

using namespace std::chrono_literals;

TEST(SingleInstance, ALaterCopyWakesTheFirstAndOnlyAGoneFirstCopyLetsAnotherBeFirst) {
  QTemporaryDir settings;
  int knocks = 0;
  {
    SingleInstance running(settings.path());
    ASSERT_TRUE(running.first());
    running.listen([&] { ++knocks; });
    SingleInstance later(settings.path());
    EXPECT_FALSE(later.first());
    auto woke = std::async(std::launch::async, [&] { return later.wake_running_copy(); });
    while (woke.wait_for(0ms) != std::future_status::ready)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(woke.get());
    EXPECT_EQ(knocks, 1);
  }
  {
    // A copy that holds the lock but does not answer: the later one is not
    // first and cannot wake it, so it says the game is already running.
    QLockFile held(settings.filePath("Blefino.lock"));
    ASSERT_TRUE(held.tryLock());
    SingleInstance later(settings.path());
    EXPECT_FALSE(later.first());
    EXPECT_FALSE(later.wake_running_copy());
  }
  EXPECT_TRUE(SingleInstance(settings.path()).first());

  // No lock to be had (a file where the folder should be) and nobody
  // answering: the game plays.
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
