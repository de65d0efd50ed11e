#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

#include "statistika.h"

using namespace blefino;
using blefino::windows::FrmStatistika;

namespace {

Settings counts(const char* win, const char* loss, const char* draw) {
  Settings s;
  s.player_name = "Вася";
  s.win = win;
  s.loss = loss;
  s.draw = draw;
  return s;
}

QStringList figures(const FrmStatistika& w) {
  QStringList out;
  for (int i : {0, 1, 2, 3, 5, 6, 7}) out << w.figure(i)->text();
  return out;
}

void tick(FrmStatistika& w) {
  QTimerEvent e(w.globeTimer()->timerId());
  QCoreApplication::sendEvent(w.globeTimer(), &e);
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kRussian(QLocale::Russian, QLocale::Russia);

}  // namespace

TEST(Statistika, CaptionsAsTheWindowHasThem) {
  Settings s = counts("0", "0", "0");
  FrmStatistika w(s, nullptr, kEnglish);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Статистика"));
  EXPECT_EQ(w.cleanButton()->text(), QStringLiteral("Очистить"));
  EXPECT_EQ(w.okButton()->text(), QStringLiteral("OK"));
  EXPECT_TRUE(w.okButton()->isDefault());
  const QStringList captions = {QStringLiteral("Сыграно игр:"), QStringLiteral("Выигрыши:"),
                                QStringLiteral("Проигрыши:"), QStringLiteral("Ничьи:")};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(w.caption(i)->text(), captions[i]);
}

TEST(Statistika, CountsAndSharesInTheUsersWayOfWritingNumbers) {
  struct Case {
    Settings s;
    QStringList english, russian;
  };
  const Case cases[] = {
      {counts("3", "1", "0"),
       {"4", "3", "1", "0", "75.00%", "25.00%", "0.00%"},
       {"4", "3", "1", "0", "75,00%", "25,00%", "0,00%"}},
      // Thirds do not add up to 100: each is rounded on its own.
      {counts("1", "1", "1"),
       {"3", "1", "1", "1", "33.33%", "33.33%", "33.33%"},
       {"3", "1", "1", "1", "33,33%", "33,33%", "33,33%"}},
      {counts("2", "0", "1"),
       {"3", "2", "0", "1", "66.67%", "0.00%", "33.33%"},
       {"3", "2", "0", "1", "66,67%", "0,00%", "33,33%"}},
      {counts("0", "0", "0"),
       {"0", "0", "0", "0", "0%", "0%", "0%"},
       {"0", "0", "0", "0", "0%", "0%", "0%"}},
  };
  for (const Case& c : cases) {
    Settings en = c.s, ru = c.s;
    FrmStatistika we(en, nullptr, kEnglish);
    FrmStatistika wr(ru, nullptr, kRussian);
    EXPECT_EQ(figures(we), c.english);
    EXPECT_EQ(figures(wr), c.russian);
    EXPECT_EQ(we.gamesTotal(), c.english[0]);
  }
}

TEST(Statistika, ACountThatIsNotANumberCountsAsItsLeadingDigits) {
  Settings s = counts("3abc", "x", "1");
  FrmStatistika w(s, nullptr, kEnglish);
  EXPECT_EQ(figures(w), (QStringList{"4", "3abc", "x", "1", "75.00%", "0.00%", "25.00%"}));
  EXPECT_EQ(windows::count_value(" 12"), 12);
  EXPECT_EQ(windows::count_value("99999999999999999999999"), windows::count_value("999999999999999999999999"));
}

TEST(Statistika, CleanZeroesTheCountsInMemoryOnlyAndTheNextOpeningShowsZeros) {
  Settings s = counts("5", "2", "1");
  {
    FrmStatistika w(s, nullptr, kRussian);
    w.show();
    QTest::mouseClick(w.cleanButton(), Qt::LeftButton);
    EXPECT_EQ(figures(w), (QStringList{"0", "0", "0", "0", "0%", "0%", "0%"}));
    EXPECT_EQ(w.focusWidget(), w.okButton());
    EXPECT_EQ(s.win, "0");
    EXPECT_EQ(s.loss, "0");
    EXPECT_EQ(s.draw, "0");
    EXPECT_EQ(s.player_name, "Вася");
    QTest::mouseClick(w.okButton(), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
  }
  FrmStatistika again(s, nullptr, kRussian);
  EXPECT_EQ(figures(again), (QStringList{"0", "0", "0", "0", "0%", "0%", "0%"}));
}

TEST(Statistika, TheGlobeTurnsThroughItsFourteenFramesEveryTenthOfASecond) {
  Settings s = counts("1", "0", "0");
  FrmStatistika w(s, nullptr, kEnglish);
  EXPECT_TRUE(w.globeTimer()->isActive());
  EXPECT_EQ(w.globeTimer()->interval(), 100);
  EXPECT_EQ(w.globeFrame(), 0);  // empty until the first tick
  EXPECT_TRUE(w.globe()->pixmap().isNull());
  std::vector<int> seen;
  for (int i = 0; i < 30; ++i) {
    tick(w);
    seen.push_back(w.globeFrame());
  }
  for (int i = 0; i < 30; ++i) EXPECT_EQ(seen[i], i % 14 + 1) << i;
  EXPECT_FALSE(w.globe()->pixmap().isNull());
}
