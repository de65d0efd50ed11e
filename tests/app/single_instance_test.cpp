// One game per player: what starting the program twice (single_instance_test.sh) cannot show.
#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QWidget>

namespace blefino {
namespace {

// A copy that holds the lock but does not answer keeps others out, and they say
// "Блефино уже запущено"; with no lock to be had at all (the lock file where the
// folder should be) and nobody answering, the game plays.
TEST(SingleInstance, ACopyThatHoldsTheLockButDoesNotAnswerKeepsOthersOut) {
  QTemporaryDir settings;
  QLockFile held(settings.filePath("Blefino.lock"));
  ASSERT_TRUE(held.tryLock());
  SingleInstance later(settings.path());
  EXPECT_FALSE(later.first() || later.wake_running_copy());
  EXPECT_TRUE(SingleInstance(settings.filePath("Blefino.lock/Talvik")).first());
  held.unlock();
  EXPECT_TRUE(SingleInstance(settings.path()).first());
}

// The knock goes through the player's runtime folder where there is one.
TEST(SingleInstance, ListensInThePlayersRuntimeFolder) {
  QTemporaryDir settings, runtime;
  const bool was_set = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
  const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  SingleInstance first(settings.path());
  first.listen({});
  was_set ? qputenv("XDG_RUNTIME_DIR", before) : qunsetenv("XDG_RUNTIME_DIR");
  const QStringList sockets = QDir(runtime.path()).entryList({"Blefino-*"}, QDir::System);
  EXPECT_EQ(sockets.size(), 1) << sockets.join(' ').toStdString();
}

TEST(SingleInstance, AKnockRestoresTheMinimisedTable) {
  QWidget table;
  table.showMinimized();
  bring_windows_to_front();
  EXPECT_FALSE(table.isMinimized());
}

}  // namespace
}  // namespace blefino
