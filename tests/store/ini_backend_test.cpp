// The INI file store: where the file lives, what it holds, and that neither
// an unwritable folder nor a killed save does any harm.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include "ini_backend.h"
#include "store.h"

namespace blefino::store {
namespace {

class IniTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(config_home_set); }
  ~IniTest() override { qunsetenv("XDG_CONFIG_HOME"); }
  QString ini_path() const { return home.path() + "/Talvik/Blefino.ini"; }
  QByteArray file_text() const {
    QFile f(ini_path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  // A throwaway per-user config folder, set before the backend asks for it.
  QTemporaryDir home;
  bool config_home_set = home.isValid() && qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
  IniBackend backend{default_ini_path()};
  std::vector<std::string> shown;
  Store store{backend, [this](const std::string& text, const std::string&, Icon) { shown.push_back(text); }};
};

TEST_F(IniTest, TheFileIsPerUserUnderTheConfigFolder) {
  EXPECT_EQ(backend.file_path(), ini_path());
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(default_ini_path(), QDir::homePath() + "/.config/Talvik/Blefino.ini");
}

TEST_F(IniTest, CleanProfileMakesBothSectionsAndASaveHoldsExactlyTheFiveValues) {
  store.load_at_startup();
  EXPECT_TRUE(backend.open_key(kParametersKey));
  EXPECT_TRUE(backend.open_key(kStatisticsKey));
  store.save_all({"Ёлкин, Пётр", "12", "3", "4abc", "5"});
  EXPECT_EQ(file_text(), "[Parameters]\nname=\"Ёлкин, Пётр\"\nskin=12\n\n"
                         "[Statistics]\ndraw=5\nloss=4abc\nwin=3\n");
  const Settings back = store.load_at_startup();
  EXPECT_EQ((std::vector<std::string>{back.player_name, back.skin, back.win, back.loss, back.draw}),
            (std::vector<std::string>{"Ёлкин, Пётр", "12", "3", "4abc", "5"}));
}

// A hand-written file: a missing value reads as its default, 255 characters or more as missing.
TEST_F(IniTest, ReadsLikeTheRegistry) {
  ASSERT_TRUE(QDir().mkpath(home.path() + "/Talvik"));
  QFile f(ini_path());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[Parameters]\nname=Петров, Иван\n[Statistics]\nwin=7\nloss=\n");
  f.close();
  EXPECT_FALSE(backend.open_key("SOFTWARE\\Talvik\\Blefino\\Other"));
  const Settings s = store.load_at_startup();
  EXPECT_EQ((std::vector<std::string>{s.player_name, s.skin, s.win, s.loss, s.draw}),
            (std::vector<std::string>{"Петров, Иван", "1", "7", "", "0"}));

  const std::string longest = QString(254, QChar(0x0416)).toStdString();  // Ж
  EXPECT_TRUE(backend.write_value(kParametersKey, "name", longest));
  EXPECT_EQ(backend.read_value(kParametersKey, "name"), longest);
  EXPECT_TRUE(backend.write_value(kParametersKey, "name", longest + "Ж"));
  EXPECT_EQ(backend.read_value(kParametersKey, "name"), std::nullopt);
}

TEST_F(IniTest, AnUnwritableConfigFolderIsReportedAndTheGameGoesOn) {
  // A plain file where the folder should be: no permission bits can make
  // this writable, not even for root.
  ASSERT_TRUE(QFile(home.path() + "/Talvik").open(QIODevice::WriteOnly));
  Settings s = store.load_at_startup();
  EXPECT_EQ(shown, (std::vector<std::string>{"Unable to Create Key.", "Unable to Create Key."}));
  EXPECT_EQ(s.skin, "1");
  EXPECT_EQ(s.win, "0");
  EXPECT_FALSE(backend.write_value(kParametersKey, "name", "Вася"));
  store.save_all(s);
  EXPECT_EQ(shown.size(), 2u);
  EXPECT_FALSE(QFile::exists(ini_path()));
}

// A save in a loop, killed at random moments: the file must always parse
// and hold one complete save, every value from the same one.
TEST_F(IniTest, AKilledSaveNeverLeavesADamagedFile) {
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
    // Killed between creating its lock file and writing its id into it, a
    // save leaves a lock that Qt only takes for stale after 30 s. A player
    // restarts later than that; the test need not wait for it.
    if (QFileInfo(ini_path() + ".lock").size() == 0) QFile::remove(ini_path() + ".lock");

    const QString text = QString::fromUtf8(file_text());
    const QRegularExpressionMatch m = whole.match(text);
    ASSERT_TRUE(m.hasMatch()) << "round " << round << ", file:\n" << text.toStdString();
    for (int i = 2; i <= 5; ++i) ASSERT_EQ(m.captured(i), m.captured(1)) << text.toStdString();
    const long n = m.captured(1).toLong();
    EXPECT_GT(n, last);  // the save that completed before the kill is never lost
    last = n;
  }
  EXPECT_GT(last, 40) << "the saves should run again and again before each kill";

  // And the next save after all that goes through.
  store.save_all({"игрок 0", "0", "0", "0", "0"});
  EXPECT_TRUE(whole.match(QString::fromUtf8(file_text())).captured(1) == "0");
}

}  // namespace
}  // namespace blefino::store
