#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTemporaryDir>
#include <QTimerEvent>
#include <gtest/gtest.h>

#include "ini_backend.h"
#include "statistika.h"
#include "store.h"

using namespace blefino;
using blefino::windows::FrmStatistika;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kRussian(QLocale::Russian, QLocale::Russia);

// Games, wins, losses, draws and the three shares, as the window shows them.
QString figures(const FrmStatistika& w) {
  QStringList out;
  for (int i : {0, 1, 2, 3, 5, 6, 7}) out << w.figure(i)->text();
  return out.join(' ');
}

QString figures(Settings s, const QLocale& locale) { return figures(FrmStatistika(s, {}, nullptr, locale)); }

}  // namespace

TEST(Statistika, CountsAndSharesInTheUsersWayOfWritingNumbers) {
  struct Case {
    Settings s;
    const char *english, *russian;
  };
  const Case cases[] = {
      {{"", "1", "3", "1", "0"}, "4 3 1 0 75.00% 25.00% 0.00%", "4 3 1 0 75,00% 25,00% 0,00%"},
      // Thirds do not add up to 100: each is rounded on its own.
      {{"", "1", "1", "1", "1"}, "3 1 1 1 33.33% 33.33% 33.33%", "3 1 1 1 33,33% 33,33% 33,33%"},
      {{"", "1", "2", "0", "1"}, "3 2 0 1 66.67% 0.00% 33.33%", "3 2 0 1 66,67% 0,00% 33,33%"},
      {{"", "1", "0", "0", "0"}, "0 0 0 0 0% 0% 0%", "0 0 0 0 0% 0% 0%"},
      // A count that is not a number is shown as stored and counts as its leading digits.
      {{"", "1", "3abc", "x", "1"}, "4 3abc x 1 75.00% 0.00% 25.00%", "4 3abc x 1 75,00% 0,00% 25,00%"},
      // Out of range: a negative count is 0, a huge one the largest; nothing overflows.
      {{"", "1", "9223372036854775709", "-5", "1"}, "1000000000000000 999999999999999 0 1 100.00% 0.00% 0.00%",
       "1000000000000000 999999999999999 0 1 100,00% 0,00% 0,00%"},
      {{"", "1", "-1", "-9223372036854775809", "-2"}, "0 0 0 0 0% 0% 0%", "0 0 0 0 0% 0% 0%"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(figures(c.s, kEnglish), c.english);
    EXPECT_EQ(figures(c.s, kRussian), c.russian);
  }
}

// The reset reaches the settings file at once: the next start shows zeros too.
TEST(Statistika, CleanZeroesTheCountsAndSavesThemAtOnce) {
  QTemporaryDir home;
  store::IniBackend file(home.filePath("Blefino.ini"));
  store::Store saved(file, {});
  Settings s{"Вася", "3", "5", "2", "1"};
  saved.save_all(s);
  {
    FrmStatistika w(s, [&saved](const Settings& now) { saved.save_all(now); }, nullptr, kRussian);
    w.show();
    ASSERT_EQ(w.cleanButton()->text(), QStringLiteral("Очистить"));
    QTest::mouseClick(w.cleanButton(), Qt::LeftButton);
    EXPECT_EQ(figures(w), "0 0 0 0 0% 0% 0%");
    EXPECT_EQ(w.focusWidget(), w.okButton());
    QTest::mouseClick(w.okButton(), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
  }
  const Settings next_start = saved.load_at_startup();
  EXPECT_EQ((std::vector<std::string>{next_start.player_name, next_start.skin, next_start.win,
                                      next_start.loss, next_start.draw}),
            (std::vector<std::string>{"Вася", "3", "0", "0", "0"}));
  EXPECT_EQ(figures(s, kRussian), "0 0 0 0 0% 0% 0%");
}

TEST(Statistika, TheGlobeTurnsThroughItsFourteenFramesEveryTenthOfASecond) {
  Settings s;
  FrmStatistika w(s, {}, nullptr, kEnglish);
  EXPECT_TRUE(w.globeTimer()->isActive());
  EXPECT_EQ(w.globeTimer()->interval(), 100);
  EXPECT_TRUE(w.globe()->pixmap().isNull());  // empty until the first tick
  for (int i = 0; i < 30; ++i) {
    QTimerEvent e(w.globeTimer()->timerId());
    QCoreApplication::sendEvent(w.globeTimer(), &e);
    EXPECT_EQ(w.globeFrame(), i % 14 + 1) << i;
  }
  EXPECT_FALSE(w.globe()->pixmap().isNull());
}
