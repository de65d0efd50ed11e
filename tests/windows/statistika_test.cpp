// The statistics window: counts and shares written the player's way, whatever
// the stored texts; "Очистить" saved at once.
#include "windows/statistika.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace blefino;
using blefino::windows::FrmStatistika;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates),
    kRussian(QLocale::Russian, QLocale::Russia);

// Games, wins, losses, draws and the three shares, as the window shows them.
std::string figures(const FrmStatistika& w) {
  QStringList out;
  for (int i : {0, 1, 2, 3, 5, 6, 7}) out << w.figure(i)->text();
  return out.join(' ').toStdString();
}

}  // namespace

TEST(Statistika, CountsAndSharesInTheUsersWayOfWritingNumbers) {
  struct Case {
    Settings s;
    const QLocale& locale;
    const char* shown;
  };
  const Case cases[] = {
      {{"", "1", "3", "1", "0"}, kRussian, "4 3 1 0 75,00% 25,00% 0,00%"},
      // Thirds do not add up to 100: each is rounded on its own.
      {{"", "1", "2", "0", "1"}, kEnglish, "3 2 0 1 66.67% 0.00% 33.33%"},
      // A count that is not a number is shown as stored and counts as its leading digits.
      {{"", "1", "3abc", "x", "1"}, kRussian, "4 3abc x 1 75,00% 0,00% 25,00%"},
      // Out of range: a negative count is 0, a huge one the largest; nothing overflows.
      {{"", "1", "9223372036854775709", "-5", "1"},
       kEnglish,
       "1000000000000000 999999999999999 0 1 100.00% 0.00% 0.00%"},
      {{"", "1", "-1", "-9223372036854775809", "-2"}, kRussian, "0 0 0 0 0% 0% 0%"},
  };
  for (Case c : cases) EXPECT_EQ(figures(FrmStatistika(c.s, {}, {}, nullptr, c.locale)), c.shown);
}

// Asked first (No keeps everything); on Yes saved at once: otherwise the old
// counts would come back at the next start.
TEST(Statistika, CleanAsksFirstThenZeroesTheCountsAndSavesThemAtOnce) {
  Settings s{"Вася", "3", "5", "2", "1"};
  std::vector<Settings> saved;
  std::vector<std::string> asked;
  Answer answer = Answer::No;
  FrmStatistika w(
      s, [&saved](const Settings& now) { saved.push_back(now); },
      [&](const std::string& text, const std::string& title, Icon, Buttons buttons) {
        asked.push_back(title + ": " + text);
        EXPECT_EQ(buttons, Buttons::YesNoDefaultNo);
        return answer;
      },
      nullptr, kRussian);
  w.show();
  ASSERT_EQ(w.cleanButton()->text(), QStringLiteral("Очистить"));
  QTest::mouseClick(w.cleanButton(), Qt::LeftButton);
  EXPECT_EQ(figures(w), "8 5 2 1 62,50% 25,00% 12,50%");
  EXPECT_TRUE(saved.empty());
  answer = Answer::Yes;
  QTest::mouseClick(w.cleanButton(), Qt::LeftButton);
  EXPECT_EQ(asked, std::vector<std::string>(2, "Блефино: Очистить статистику?"));
  EXPECT_EQ(figures(w), "0 0 0 0 0% 0% 0%");
  ASSERT_EQ(saved.size(), 1u);
  const Settings& z = saved[0];
  EXPECT_EQ(z.player_name + " " + z.skin + " " + z.win + " " + z.loss + " " + z.draw,
            "Вася 3 0 0 0");
  EXPECT_EQ(w.focusWidget(), w.okButton());
  EXPECT_EQ(figures(FrmStatistika(s, {}, {}, nullptr, kRussian)),
            "0 0 0 0 0% 0% 0%");  // the next opening
}
