// The INI file store against real files: where the file lives, what it
// holds, that a damaged file gives up only what cannot be read, and that an
// unwritable folder, a full disk or a killed save costs the player nothing
// without a word.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <iostream>
#include <random>
#include <thread>
#include <vector>

#include "ini_backend.h"
#include "store.h"

namespace blefino::store {
namespace {

std::vector<std::string> five(const Settings& s) { return {s.player_name, s.skin, s.win, s.loss, s.draw}; }
using Five = std::vector<std::string>;

QByteArray file_bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "A save failed" as the player is told it, with the file's path.
bool tells_failed_save(const std::string& message, const QString& path) {
  const QString m = QString::fromStdString(message);
  return m.startsWith("Блефино|Не удалось сохранить") && m.contains(path);
}

bool put_file(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class IniTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(config_home_set); }
  ~IniTest() override { qunsetenv("XDG_CONFIG_HOME"); }
  QString folder() const { return home.path() + "/Talvik"; }
  QString ini_path() const { return folder() + "/Blefino.ini"; }

  // A throwaway per-user config folder, set before the backend asks for it.
  QTemporaryDir home;
  bool config_home_set = home.isValid() && qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
  IniBackend backend{default_ini_path()};
  std::vector<std::string> shown;  // "title|text"
  Store store{backend, [this](const std::string& text, const std::string& title, Icon) {
                shown.push_back(title + "|" + text);
              }};
};

TEST_F(IniTest, TheFileIsPerUserUnderTheConfigFolder) {
  EXPECT_EQ(backend.file_path(), ini_path());
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(default_ini_path(), QDir::homePath() + "/.config/Talvik/Blefino.ini");
}

TEST_F(IniTest, ACleanProfileGetsBothSectionsWithTheDefaults) {
  EXPECT_EQ(five(store.load_at_startup()), (Five{"введите имя", "1", "0", "0", "0"}));
  EXPECT_EQ(file_bytes(ini_path()), "[Parameters]\nname=введите имя\nskin=1\n\n"
                                    "[Statistics]\ndraw=0\nloss=0\nwin=0\n");
  EXPECT_TRUE(shown.empty());
}

// 254 characters read back whole; 255 or more read as missing, as from the registry.
TEST_F(IniTest, TextsOf255CharactersOrMoreReadAsMissing) {
  const std::string longest = QString(254, QChar(0x0416)).toStdString();  // Ж
  EXPECT_TRUE(backend.write_value(kParametersKey, "name", longest));
  EXPECT_EQ(backend.read_value(kParametersKey, "name"), longest);
  EXPECT_TRUE(backend.write_value(kParametersKey, "name", longest + "Ж"));
  EXPECT_EQ(backend.read_value(kParametersKey, "name"), std::nullopt);
}

// Junk between the sections, a quote never closed, a line ending in a
// backslash, a header missing its bracket, names in any letter case: every
// value that can be read is kept (an empty one too, a list as its items);
// the rest take their defaults, and the next save writes a clean file.
TEST_F(IniTest, ADamagedFileKeepsEveryValueThatCanBeRead) {
  ASSERT_TRUE(QDir().mkpath(folder()));
  ASSERT_TRUE(put_file(ini_path(), "junk before any section\n"
                                   "[PARAMETERS]\r\n"
                                   "Name = Петров, Иван\n"
                                   "\"a quote never closed\n"
                                   "SKIN=7\n"
                                   "a line that goes on \\\n"
                                   "[statistics\n"
                                   "WIN=12\n"
                                   "loss\n"
                                   "[Statistics]\n"
                                   "draw=\n"));
  EXPECT_FALSE(backend.open_key("SOFTWARE\\Talvik\\Blefino\\Other"));
  const Settings loaded = store.load_at_startup();
  EXPECT_EQ(five(loaded), (Five{"Петров, Иван", "7", "12", "0", ""}));
  EXPECT_TRUE(shown.empty());
  store.save_all(loaded);
  EXPECT_EQ(file_bytes(ini_path()), "[Parameters]\nname=\"Петров, Иван\"\nskin=7\n\n"
                                    "[Statistics]\ndraw=\nloss=0\nwin=12\n");
}

// Existing players' files were written by Qt's own INI settings: the same
// texts give the same file, and every one reads back as it was.
TEST_F(IniTest, TheFileIsWrittenAndReadAsQtsOwnIniSettingsDo) {
  const QStringList texts = {QStringLiteral("Ёлкин, Пётр"), QStringLiteral("  spaced  "),
                             QStringLiteral("\"quoted\" \\ back\\"), QStringLiteral("@at"),
                             QStringLiteral("tab\there\nand; a=b"), QString::fromUtf8("a\x01" "b\x7f" "1"),
                             QStringLiteral("#x ;y"), QString()};
  const QString theirs = home.path() + "/qt.ini";
  {
    QSettings qt(theirs, QSettings::IniFormat);
    for (int i = 0; i < texts.size(); ++i) qt.setValue(QStringLiteral("Parameters/k%1").arg(i), texts[i]);
  }
  IniBackend ours(home.path() + "/ours.ini");
  IniBackend their_file(theirs);
  ours.begin_batch();
  for (int i = 0; i < texts.size(); ++i)
    ours.write_value(kParametersKey, "k" + std::to_string(i), texts[i].toStdString());
  ASSERT_TRUE(ours.end_batch());
  EXPECT_EQ(file_bytes(home.path() + "/ours.ini"), file_bytes(theirs));
  for (int i = 0; i < texts.size(); ++i)
    EXPECT_EQ(their_file.read_value(kParametersKey, "k" + std::to_string(i)), texts[i].toStdString()) << i;
}

// A plain file where the folder should be: no permission bits can make this
// writable, not even for root, on any machine.
TEST_F(IniTest, AnUnwritableConfigFolderIsToldOnceWithThePathAndTheGameGoesOn) {
  ASSERT_TRUE(put_file(folder(), ""));
  const Settings s = store.load_at_startup();
  EXPECT_EQ(shown, (std::vector<std::string>(2, "Блефино|Unable to Create Key.")));
  store.save_all(s);
  store.save_all(s);  // once per run
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_TRUE(tells_failed_save(shown[2], ini_path())) << shown[2];
}

// Undoes a mount and a file size limit, however the test ends.
struct Restore {
  QByteArray mount_point;
  std::optional<rlimit> limit;
  ~Restore() {
    if (limit) setrlimit(RLIMIT_FSIZE, &*limit);
    if (!mount_point.isEmpty()) umount2(mount_point.constData(), MNT_DETACH);
  }
};

// A full disk, then a read-only one, on a small file system of the test's
// own where this machine lets root mount one. Elsewhere the full disk is a
// file size limit, which stops root just the same (the read-only folder is
// the test above).
TEST_F(IniTest, AFullOrReadOnlyDiskIsToldOnceAndThePreviousSaveStays) {
  ASSERT_TRUE(QDir().mkpath(folder()));
  Restore restore;
  if (mount("tmpfs", folder().toLocal8Bit().constData(), "tmpfs", 0, "size=16k") == 0)
    restore.mount_point = folder().toLocal8Bit();
  else
    std::cerr << "No tmpfs here: a full disk is a file size limit instead.\n";
  const Settings saved{"Вася", "2", "5", "6", "7"};
  store.save_all(saved);
  const QByteArray before = file_bytes(ini_path());
  auto expect_told_once = [&](Store& run) {
    shown.clear();
    for (int i = 0; i < 2; ++i) run.save_all({"Петя", "3", "9", "9", "9"});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(tells_failed_save(shown[0], ini_path())) << shown[0];
    EXPECT_EQ(file_bytes(ini_path()), before);
  };

  if (restore.mount_point.isEmpty()) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    restore.limit = limit;
    signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    expect_told_once(store);
    return;
  }
  QFile filler(folder() + "/filler");
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
  while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
  }
  expect_told_once(store);

  filler.remove();
  ASSERT_EQ(mount(nullptr, restore.mount_point.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
  Store next_run(backend, [this](const std::string& text, const std::string& title, Icon) {
    shown.push_back(title + "|" + text);
  });
  EXPECT_EQ(five(next_run.load_at_startup()), five(saved));
  expect_told_once(next_run);
}

// A save in a loop, killed at random moments: the file must always parse
// and hold one complete save, every value from the same one; and the next
// start leaves no temporary file of a killed save behind.
TEST_F(IniTest, AKilledSaveNeverLeavesADamagedFileNorLeftoversAfterTheNextStart) {
  store.save_all({"игрок 0", "0", "0", "0", "0"});
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> delay_us(0, 15000);
  const QRegularExpression whole(
      "^\\[Parameters\\]\nname=игрок (\\d+)\nskin=(\\d+)\n\n"
      "\\[Statistics\\]\ndraw=(\\d+)\nloss=(\\d+)\nwin=(\\d+)\n$");
  long last = 0;
  for (int round = 0; round < 40; ++round) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {  // saves until killed; tells the parent when the first save is in
      IniBackend own(default_ini_path());
      Store saver(own, {});
      for (long n = last + 1;; ++n) {
        const std::string v = std::to_string(n);
        saver.save_all({"игрок " + v, v, v, v, v});
        if (n == last + 1) (void)!write(ready[1], "r", 1);
      }
    }
    close(ready[1]);
    char byte;
    ASSERT_EQ(read(ready[0], &byte, 1), 1) << "the saving process did not start";
    close(ready[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(rng)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    const QString text = QString::fromUtf8(file_bytes(ini_path()));
    const QRegularExpressionMatch m = whole.match(text);
    ASSERT_TRUE(m.hasMatch()) << "round " << round << ", file:\n" << text.toStdString();
    for (int i = 2; i <= 5; ++i) ASSERT_EQ(m.captured(i), m.captured(1)) << text.toStdString();
    const long n = m.captured(1).toLong();
    EXPECT_GT(n, last);  // the save that completed before the kill is never lost
    last = n;
  }
  EXPECT_GT(last, 40) << "the saves should run again and again before each kill";

  // A kill between writing the new file and renaming it over the old one
  // leaves Qt's temporary file; one is planted, as the kills above may miss
  // that moment. The player's own copy beside it stays.
  ASSERT_TRUE(put_file(ini_path() + ".qWeRtY", file_bytes(ini_path())));
  ASSERT_TRUE(put_file(ini_path() + ".backup", "mine"));
  const Settings next_start = store.load_at_startup();
  EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(),
            "Blefino.ini Blefino.ini.backup");
  EXPECT_EQ(next_start.player_name, "игрок " + std::to_string(last));
}

}  // namespace
}  // namespace blefino::store
