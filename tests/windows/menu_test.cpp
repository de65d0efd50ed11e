// The table window's menu: each key opens its window or deals, leaving and
// clearing the statistics ask first, and the clock.
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include "tests/support/fixture.h"
#include "windows/exit_question.h"
#include "windows/game_menu.h"

using namespace blefino;
using namespace blefino::windows;

namespace {

// The table window with the game's menu, a game dealt.
struct Table {
  blefino::testing::Table t;
  QMainWindow window;
  GameMenu menu = install_game_menu(window, t.g);

  Table() {
    new_game(t.g);
    window.show();
  }
  // Presses `key`, presses "Очистить" if the window it opens has one, and
  // closes that window; returns its name, or "" when none opened.
  QString press(Qt::Key key) {
    QApplication::setActiveWindow(&window);  // back from the last dialog
    QString seen;
    QTimer::singleShot(0, [&seen] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        seen = w->objectName();
        for (QPushButton* b : w->findChildren<QPushButton*>())
          if (b->text() == QStringLiteral("Очистить")) b->click();
        w->close();
      }
    });
    QTest::keyClick(&window, key);
    QCoreApplication::processEvents();
    return seen;
  }
};

}  // namespace

TEST(Menu, EachKeyOpensItsWindowF2DealsAtOnceAndTheResetIsSaved) {
  Table table;
  struct Case {
    Qt::Key key;
    const char* opens;
    int new_deals, saves;
    std::vector<Answer> answers;  // to the questions asked
  };
  const std::vector<std::string> reset(1, "Блефино: Очистить статистику?");
  const Case cases[] = {{Qt::Key_F1, "Help", 0, 0, {}},
                        {Qt::Key_F2, "", 1, 0, {}},  // no question, dealt at once
                        {Qt::Key_F3, "skins", 0, 0, {}},
                        {Qt::Key_F4, "frmStatistika", 0, 0, {Answer::No}},
                        {Qt::Key_F4, "frmStatistika", 0, 1, {Answer::Yes}},
                        {Qt::Key_F5, "frmAbout", 0, 0, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
    const auto generation = table.t.g.generation;
    const auto saves = table.t.host.saved.size();
    table.t.host.log.clear();
    table.t.host.yes_no.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(table.press(c.key), QString::fromUtf8(c.opens));
    EXPECT_EQ(table.t.g.generation, generation + c.new_deals);
    EXPECT_EQ(table.t.host.saved.size(), saves + c.saves);
    EXPECT_EQ(table.t.host.messages(), c.answers.empty() ? std::vector<std::string>{} : reset);
  }
  // A caption in one alphabet: a voice reads a Latin P inside a Russian word as a Latin letter.
  const QRegularExpression mixed(QStringLiteral("\\p{Latin}\\p{Cyrillic}|\\p{Cyrillic}\\p{Latin}"));
  for (QMenu* m : {table.menu.menu.mnu_file, table.menu.menu.mnu_inf})
    for (QAction* a : m->actions())
      EXPECT_FALSE(a->text().contains(mixed)) << a->text().toStdString();
}

// «Опытные соперники» is a check item of «Файл» showing the level; each
// choice changes the game's opponents and is kept at once.
TEST(Menu, TheOpponentsLevelIsACheckItemKeptAtOnce) {
  blefino::testing::Table t;
  t.g.level = Level::Experienced;
  QMainWindow window;
  std::vector<Level> kept;
  const GameMenu m = install_game_menu(window, t.g, [&kept](Level l) { kept.push_back(l); });
  QAction* item = m.menu.mnu_level;
  EXPECT_TRUE(m.menu.mnu_file->actions().contains(item));
  EXPECT_EQ(item->text(), QStringLiteral("Опытные соперники"));
  EXPECT_TRUE(item->isCheckable() && item->isChecked());
  EXPECT_TRUE(kept.empty());
  item->trigger();
  EXPECT_EQ(t.g.level, Level::Default);
  item->trigger();
  EXPECT_EQ(t.g.level, Level::Experienced);
  EXPECT_EQ(kept, (std::vector<Level>{Level::Default, Level::Experienced}));
}

// F12 and the close box ask first: Yes ends without saving, No plays on. The
// program's own close and a session's end (log-out, shutdown) go through unasked.
// A close box pressed again while the question stands, and after Yes, asks no more.
TEST(Menu, LeavingAsksFirstYesEndsWithoutSavingNoPlaysOn) {
  enum Way { F12, CloseBox, CloseBoxAgain, ProgramCloses, SessionEnds };
  const std::tuple<Way, Answer, bool> cases[] = {// how, the player's answer, whether it is asked
                                                 {F12, Answer::No, true},
                                                 {F12, Answer::Yes, true},
                                                 {CloseBox, Answer::No, true},
                                                 {CloseBox, Answer::Yes, true},
                                                 {CloseBoxAgain, Answer::No, true},
                                                 {CloseBoxAgain, Answer::Yes, true},
                                                 {ProgramCloses, Answer::Yes, false},
                                                 {SessionEnds, Answer::Yes, false}};
  for (const auto& [way, answer, asks] : cases) {
    SCOPED_TRACE(::testing::Message() << way << ", " << int(answer));
    Table table;
    table.t.host.yes_no = {answer};
    if (way == SessionEnds) table.menu.exit_question->sessionEnds();
    QCloseEvent e;  // a close request as the window system delivers it: the player's own
    QSpontaneKeyEvent::setSpontaneous(&e);
    auto close_again = [&table] {
      QCloseEvent again;
      QSpontaneKeyEvent::setSpontaneous(&again);
      qApp->notify(&table.window, &again);
      return again.isAccepted();
    };
    bool again_closed = false, once = way == CloseBoxAgain;
    table.t.host.on_message = [&] {
      if (std::exchange(once, false)) again_closed = close_again();
    };
    if (way == F12)
      table.press(Qt::Key_F12);
    else if (way == ProgramCloses)
      table.window.close();
    else
      qApp->notify(&table.window, &e);  // sendEvent() would mark it as the program's own
    const bool yes = asks && answer == Answer::Yes;
    if (way == CloseBoxAgain) {
      EXPECT_FALSE(again_closed);            // not while the question stands
      EXPECT_EQ(yes && close_again(), yes);  // nor once Yes has ended the game
    }
    EXPECT_EQ(table.t.host.messages(),
              std::vector<std::string>(asks, "Завершение: Завершить игру?"));
    EXPECT_EQ(table.t.host.ended(), yes ? 1 : 0);
    EXPECT_TRUE(table.t.host.saved.empty());
    // F12 leaves the window to the program's end; the close box lets it close on Yes.
    const bool closed = way == CloseBox || way == CloseBoxAgain || way == SessionEnds
                            ? e.isAccepted()
                            : !table.window.isVisible();
    EXPECT_EQ(closed, way != F12 && (!asks || yes));
  }
}

TEST(Clock, ShortDateAndLongTimeOfTheLocaleTheDateAloneAtMidnightRenewedEachSecond) {
  const QLocale ru(QLocale::Russian, QLocale::Russia), en(QLocale::English, QLocale::UnitedStates);
  const QDate day(2026, 12, 5);
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(10, 15, 30)), ru),
            QStringLiteral("05.12.2026 10:15:30"));
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(0, 0, 0)), ru), QStringLiteral("05.12.2026"));
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(0, 0, 1)), ru),
            QStringLiteral("05.12.2026 00:00:01"));
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(22, 15, 30)), en),
            QStringLiteral("12/5/26 10:15:30 PM"));
  Table table;
  QTimer* timer = table.menu.menu.clock_timer;
  EXPECT_TRUE(timer->isActive());
  const QString before = clock_caption(QDateTime::currentDateTime());
  QTimerEvent tick(timer->timerId());
  QCoreApplication::sendEvent(timer, &tick);
  const QString text = table.menu.menu.mnu_clock->text();
  EXPECT_TRUE(text == before || text == clock_caption(QDateTime::currentDateTime()))
      << text.toStdString();
}
