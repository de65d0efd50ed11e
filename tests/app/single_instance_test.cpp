// One game per player: what starting the program twice (single_instance_test.sh) cannot show.
#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QWidget>

namespace blefino {
namespace {

// A copy that holds the lock but does not answer keeps others out, and they say
// "Блефино уже запущено".
TEST(SingleInstance, ACopyThatHoldsTheLockButDoesNotAnswerKeepsOthersOut) {
  QTemporaryDir settings;
  QLockFile held(settings.filePath("Blefino.lock"));
  ASSERT_TRUE(held.tryLock());
  SingleInstance later(settings.path());
  EXPECT_FALSE(later.first() || later.wake_running_copy());
  held.unlock();
  EXPECT_TRUE(SingleInstance(settings.path()).first());
}

// An environment variable set for one test and put back after it.
class EnvSet {
 public:
  EnvSet(const char* name, const QByteArray& value)
      : name_(name), was_set_(qEnvironmentVariableIsSet(name)), before_(qgetenv(name)) {
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
  }
  ~EnvSet() { was_set_ ? qputenv(name_, before_) : qunsetenv(name_); }

 private:
  const char* name_;
  bool was_set_;
  QByteArray before_;
};

// The knock goes through the player's runtime folder when it is closed to others, else
// through a folder of the player's own in the temporary folder, made 0700; one that is not
// a folder of the player's own is never used.
TEST(SingleInstance, TheSocketLivesInAFolderOnlyThePlayerCanEnter) {
  QTemporaryDir settings, runtime, temp;
  const EnvSet tmpdir("TMPDIR", temp.path().toUtf8());
  {
    const EnvSet xdg("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    SingleInstance first(settings.path());
    first.listen({});
    EXPECT_EQ(QDir(runtime.path()).entryList({"Blefino-*"}, QDir::System).size(), 1);
  }
  const QString own = temp.filePath("blefino-" + QString::number(geteuid()));
  QFile::setPermissions(runtime.path(),
                        QFile::permissions(runtime.path()) | QFile::ReadOther | QFile::ExeOther);
  for (const QByteArray& xdg : {QByteArray(), runtime.path().toUtf8()}) {
    const EnvSet set("XDG_RUNTIME_DIR", xdg);
    EXPECT_EQ(private_runtime_folder(), own);
    struct stat st {};
    EXPECT_TRUE(lstat(QFile::encodeName(own), &st) == 0 && (st.st_mode & 0777) == 0700);
    chmod(QFile::encodeName(own), 0777);  // opened up: ours, so closed again
  }
  ASSERT_TRUE(QDir(own).removeRecursively() && QFile::link(runtime.path(), own));
  const EnvSet unset("XDG_RUNTIME_DIR", QByteArray());
  EXPECT_EQ(private_runtime_folder(), QString());
  SingleInstance alone(settings.path());
  EXPECT_TRUE(alone.first());
  alone.listen({});
  EXPECT_EQ(QDir(runtime.path()).entryList({"Blefino-*"}, QDir::System).size(), 0);
}

// With no lock file to be had in the settings folder (a file where the folder should be, a
// pipe where the lock file goes), the lock in the runtime folder keeps a second copy away,
// and is free again once the first has gone.
TEST(SingleInstance, WithoutALockFileTheRuntimeFolderKeepsASecondTableAway) {
  QTemporaryDir home, runtime;
  const EnvSet xdg("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  ASSERT_TRUE(QFile(home.filePath("config")).open(QIODevice::WriteOnly));
  ASSERT_EQ(mkfifo(QFile::encodeName(home.filePath("Blefino.lock")), 0600), 0);
  for (const QString& unusable : {home.filePath("config/Talvik"), home.path()}) {
    {
      SingleInstance first(unusable);
      EXPECT_TRUE(first.first());
      EXPECT_FALSE(SingleInstance(unusable).first());
    }
    EXPECT_TRUE(SingleInstance(unusable).first());
  }
}

TEST(SingleInstance, AKnockRestoresTheMinimisedTable) {
  QWidget table;
  table.showMinimized();
  bring_windows_to_front();
  EXPECT_FALSE(table.isMinimized());
}

}  // namespace
}  // namespace blefino
