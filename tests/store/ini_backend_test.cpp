// The settings file on disk: its text, a damaged file, and an unwritable folder, a full
// disk or a killed save, none of which costs the player anything without a word.
#include "store/ini_backend.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <random>

namespace blefino::store {
namespace {

using Five = std::vector<std::string>;
Five five(const Settings& s) { return {s.player_name, s.skin, s.win, s.loss, s.draw}; }

QByteArray file_bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool put_file(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class IniTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(config_home_set); }
  QString folder() const { return home.path() + "/Talvik"; }
  QString ini_path() const { return folder() + "/Blefino.ini"; }
  // Two saves fail: the player hears of the first only, with the file's path.
  void expect_failed_saves_told_once(Store& run) {
    shown.clear();
    for (int i = 0; i < 2; ++i) run.save_all({"Петя", "3", "9", "9", "9"});
    ASSERT_EQ(shown.size(), 1u);
    const QString m = QString::fromStdString(shown[0]);
    EXPECT_TRUE(m.startsWith("Блефино|Не удалось сохранить") && m.contains(ini_path())) << shown[0];
    EXPECT_FALSE(QString(m).remove(ini_path()).contains(QRegularExpression("[A-Za-z]")))
        << "the reason is in Russian: " << shown[0];
  }

  // A throwaway per-user config folder, set before the backend asks for it.
  QTemporaryDir home;
  bool config_home_set = home.isValid() && qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
  IniBackend backend{default_ini_path()};
  std::vector<std::string> shown;  // "title|text"
  MessageFn tell = [this](const std::string& text, const std::string& title, Icon) {
    shown.push_back(title + "|" + text);
  };
  Store store{backend, tell};
};

// A clean profile starts with the defaults; every save is then the file Qt's own INI
// settings write, as existing players' files were, and the next start reads it back.
TEST_F(IniTest, TheFileIsTheOneQtsIniSettingsWriteAndReadsBackAsSaved) {
  EXPECT_EQ(five(store.load_at_startup()), (Five{"введите имя", "1", "0", "0", "0"}));
  const char* keys[] = {"Parameters/name", "Parameters/skin", "Statistics/win", "Statistics/loss",
                        "Statistics/draw"};
  for (const char* text : {"  spaced  ", "\"quoted\" \\ back\\", "@at", "tab\there\nand; a=b",
                           "a\x01"
                           "b\x7f"
                           "1",
                           "#x ;y", ""}) {
    const Settings s{"Ёлкин, Пётр", text, "0", "3", "0"};
    store.save_all(s);
    for (int i = 0; i < 5; ++i)
      QSettings(home.path() + "/qt.ini", QSettings::IniFormat)
          .setValue(keys[i], five(s)[i].c_str());
    EXPECT_EQ(file_bytes(ini_path()), file_bytes(home.path() + "/qt.ini")) << text;
    EXPECT_EQ(five(store.load_at_startup()), five(s)) << text;
  }
  EXPECT_TRUE(shown.empty());
}

// The opponents' level is a section of its own, which a save of the five keeps.
TEST_F(IniTest, TheLevelIsASectionOfItsOwn) {
  store.load_at_startup();
  store.save_level(Level::Experienced);
  store.save_all({"Петя", "3", "1", "2", "0"});
  EXPECT_EQ(file_bytes(ini_path()),
            "[Parameters]\nname=Петя\nskin=3\n\n[Statistics]\ndraw=0\nloss=2\nwin=1\n\n"
            "[Opponents]\nlevel=1\n");
  EXPECT_EQ(Store(backend, tell).load_level(), Level::Experienced);
}

// Junk, a quote never closed, a line ending in a backslash, a header missing its bracket,
// names in any letter case, 255 letters (254 are read): every value that can be read is
// kept (a list as its items, a count as the number it stands for), and the next save
// writes a clean file.
TEST_F(IniTest, ADamagedFileKeepsEveryValueThatCanBeRead) {
  const QByteArray longest = QString(254, QChar(0x0416)).toUtf8();  // Ж
  ASSERT_TRUE(QDir().mkpath(folder()));
  ASSERT_TRUE(put_file(ini_path(),
                       "junk before any section\n[PARAMETERS]\r\nName = Петров, Иван\n"
                       "\"a quote never closed\nSKIN=" +
                           longest +
                           "\na line that goes on \\\n[statistics\nWIN=12abc\nloss\nLoss=Ж" +
                           longest + "\n[Statistics]\ndraw=\n"));
  const Settings loaded = store.load_at_startup();
  EXPECT_EQ(five(loaded), (Five{"Петров, Иван", longest.toStdString(), "12", "0", "0"}));
  EXPECT_TRUE(shown.empty());
  store.save_all(loaded);
  EXPECT_EQ(file_bytes(ini_path()), "[Parameters]\nname=\"Петров, Иван\"\nskin=" + longest +
                                        "\n\n[Statistics]\ndraw=0\nloss=0\nwin=12\n");
}

// A plain file where the folder should be is unwritable even for root: one box says so, in
// Russian, and the game plays with the defaults; its saves fail without another word.
TEST_F(IniTest, AnUnusableConfigFolderIsToldOnceAndTheGameStartsWithDefaults) {
  ASSERT_TRUE(put_file(folder(), ""));
  EXPECT_EQ(five(store.load_at_startup({"", "3", "5", "5", "5"})),
            (Five{"введите имя", "1", "0", "0", "0"}));
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "Блефино|Папку настроек\n" + folder().toStdString() +
                          "\nнельзя использовать: на месте папки " + folder().toStdString() +
                          " стоит файл.\n\nИгра начнётся с именем, рубашкой и счётом по "
                          "умолчанию и не сможет их сохранить.");
  store.save_all({"Петя", "3", "9", "9", "9"});
  store.save_level(Level::Experienced);
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_EQ(file_bytes(folder()), "");
}

// Whatever stands in the file's place that is not a plain file, or a file beyond 16 MB, is
// never opened so that the game could wait, never replaced nor removed; one box says why.
TEST_F(IniTest, WhatIsNotASettingsFileIsLeftAloneAndToldOnce) {
  ASSERT_TRUE(QDir().mkpath(folder()));
  const QByteArray file = QFile::encodeName(ini_path());
  const auto place = [&](const char* kind) {
    QFile::remove(ini_path());
    QDir(ini_path()).removeRecursively();
    const std::string k = kind;
    if (k == "FIFO") return mkfifo(file, 0600) == 0;
    if (k == "сокет") {
      sockaddr_un address{AF_UNIX, {}};
      qstrncpy(address.sun_path, file.constData(), sizeof address.sun_path);
      const int s = socket(AF_UNIX, SOCK_STREAM, 0);
      return bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && close(s) == 0;
    }
    if (k == "устройство") return symlink("/dev/zero", file) == 0;
    if (k == "папка") return QDir().mkpath(ini_path() + "/inside");
    if (k == "кольцо") return symlink(file, file) == 0;
    if (k == "в никуда") return symlink(file + ".nowhere", file) == 0;
    QFile big(ini_path());  // sparse: 16 MB and a byte, and not a byte more on the disk
    return big.open(QIODevice::WriteOnly) && big.write("[Parameters]\nname=Петя\n") > 0 &&
           big.resize(kMaxFileBytes + 1);
  };
  for (const char* kind : {"FIFO", "сокет", "устройство", "папка", "кольцо", "в никуда", "МБ"}) {
    ASSERT_TRUE(place(kind)) << kind;
    struct stat before {};
    ASSERT_EQ(lstat(file, &before), 0);
    shown.clear();
    IniBackend own(ini_path());
    Store run(own, tell);
    EXPECT_EQ(five(run.load_at_startup()), (Five{"введите имя", "1", "0", "0", "0"})) << kind;
    run.save_all({"Петя", "3", "9", "9", "9"});
    run.save_window("somewhere");
    ASSERT_EQ(shown.size(), 1u) << kind;
    EXPECT_NE(
        shown[0].find("Файл настроек\n" + ini_path().toStdString() + "\nнельзя использовать:"),
        std::string::npos);
    EXPECT_NE(shown[0].find(kind), std::string::npos) << shown[0];
    struct stat after {};
    EXPECT_TRUE(lstat(file, &after) == 0 && after.st_ino == before.st_ino &&
                after.st_size == before.st_size && after.st_mtime == before.st_mtime)
        << kind;
  }
}

// A byte order mark before the first section and old Mac line ends (a lone CR) read as
// any file does; a save keeps the file's own line ends, its mark and its other sections
// (of a key given twice, the last).
TEST_F(IniTest, AByteOrderMarkAndEveryKindOfLineEndReadAndAreKept) {
  ASSERT_TRUE(QDir().mkpath(folder()));
  for (const QByteArray eol : {"\r", "\r\n"}) {
    const QByteArray text = "\xEF\xBB\xBF[Parameters]" + eol + "name=Петя" + eol + "skin=3" + eol +
                            eol + "[Mine]" + eol + "keep=0" + eol + "KEEP=1" + eol;
    ASSERT_TRUE(put_file(ini_path(), text));
    const Settings loaded = store.load_at_startup();
    EXPECT_EQ(five(loaded), (Five{"Петя", "3", "0", "0", "0"}));
    EXPECT_EQ(file_bytes(ini_path()), "\xEF\xBB\xBF[Parameters]" + eol + "name=Петя" + eol +
                                          "skin=3" + eol + eol + "[Mine]" + eol + "KEEP=1" + eol +
                                          eol + "[Statistics]" + eol + "draw=0" + eol + "loss=0" +
                                          eol + "win=0" + eol);
  }
  EXPECT_TRUE(shown.empty());
}

// A start reads the file once, whatever it asks of it; each save writes it once.
TEST_F(IniTest, AStartReadsTheFileOnceAndASaveWritesItOnce) {
  const Settings loaded = store.load_at_startup();
  store.load_level();
  store.load_window();
  EXPECT_EQ(backend.reads, 1);
  EXPECT_EQ(backend.writes, 1);  // the defaults of a first run, together
  store.save_all(loaded);
  store.save_level(Level::Experienced);
  EXPECT_EQ(backend.writes, 3);
  EXPECT_EQ(Store(backend, tell).load_at_startup().player_name, "введите имя");
  EXPECT_EQ(backend.reads, 2);
  EXPECT_EQ(backend.writes, 3);  // nothing was missing
}

// A full disk, then a read-only one, on a small file system of our own where root may mount
// one; elsewhere a file size limit, which stops root too, fills the disk. The last save stays.
TEST_F(IniTest, AFullOrReadOnlyDiskIsToldOnceAndThePreviousSaveStays) {
  ASSERT_TRUE(QDir().mkpath(folder()));
  const QByteArray mount_point = folder().toLocal8Bit();
  const bool mounted = mount("tmpfs", mount_point, "tmpfs", 0, "size=16k") == 0;
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const auto restore = qScopeGuard([&, was = limit] {
    setrlimit(RLIMIT_FSIZE, &was);
    if (mounted) umount2(mount_point, MNT_DETACH);
  });
  const Settings saved{"Вася", "2", "5", "6", "7"};
  store.save_all(saved);
  const QByteArray before = file_bytes(ini_path());
  QFile filler(folder() + "/filler");
  if (mounted) {
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
    }
  } else {
    signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  }
  expect_failed_saves_told_once(store);
  EXPECT_EQ(file_bytes(ini_path()), before);
  if (!mounted) return;

  filler.remove();
  ASSERT_EQ(mount(nullptr, mount_point, nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
  Store next_run(backend, tell);
  EXPECT_EQ(five(next_run.load_at_startup()), five(saved));
  expect_failed_saves_told_once(next_run);
  EXPECT_EQ(file_bytes(ini_path()), before);
}

// A save in a loop, killed at random moments: the file always holds one whole save, never
// older than the last completed; the next start leaves no temporary file of a killed save.
TEST_F(IniTest, AKilledSaveNeverLeavesADamagedFileNorLeftoversAfterTheNextStart) {
  store.save_all({"игрок 0", "0", "0", "0", "0"});
  std::mt19937 rng(20240611);
  const QRegularExpression whole(
      "^\\[Parameters\\]\nname=игрок (\\d+)\nskin=\\1\n\n"
      "\\[Statistics\\]\ndraw=\\1\nloss=\\1\nwin=\\1\n$");
  long last = 0;
  for (int round = 0; round < 40; ++round) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {  // saves until killed; says when its first save is in
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
    usleep(rng() % 15000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const QString text = QString::fromUtf8(file_bytes(ini_path()));
    const QRegularExpressionMatch m = whole.match(text);
    ASSERT_TRUE(m.hasMatch()) << "round " << round << ", file:\n" << text.toStdString();
    EXPECT_GT(m.captured(1).toLong(), last);
    last = m.captured(1).toLong();
  }
  EXPECT_GT(last, 40) << "the saves should run again and again before each kill";

  // A kill between writing the new file and renaming it leaves Qt's temporary file; one is
  // planted, as the kills may miss that moment. The player's own copies beside it stay,
  // whatever is not six letters among them.
  ASSERT_TRUE(put_file(ini_path() + ".qwerty", file_bytes(ini_path())));
  for (const char* mine : {".bak", ".qwert1", ".qwertyu"})
    ASSERT_TRUE(put_file(ini_path() + mine, "mine"));
  EXPECT_EQ(store.load_at_startup().player_name, "игрок " + std::to_string(last));
  EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(),
            "Blefino.ini Blefino.ini.bak Blefino.ini.qwert1 Blefino.ini.qwertyu");
}

}  // namespace
}  // namespace blefino::store
