#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include "exit_question.h"
#include "fake_host.h"
#include "game_menu.h"

using namespace blefino;
using blefino::fakes::modal_opened_by;
using blefino::fakes::TestGame;
using namespace blefino::windows;

namespace {

struct Table {
  TestGame t;
  QMainWindow window;
  GameMenu menu;

  Table() {
    t.g.settings.player_name = "Вася";
    new_game(t.g);
    menu = install_game_menu(window, t.g);
    window.resize(400, 300);
    window.show();
    QApplication::setActiveWindow(&window);
  }
};

// A close request as the window system delivers it: the player's own.
bool close_box(QWidget& w) {
  QCloseEvent e;
  QSpontaneKeyEvent::setSpontaneous(&e);
  qApp->notify(&w, &e);  // sendEvent() would mark it as the program's own
  return e.isAccepted();
}

void expect_exit_question(const fakes::FakeHost& host) {
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Завершить игру?");
  EXPECT_EQ(host.messages[0].title, "Завершение");
  EXPECT_EQ(host.messages[0].icon, Icon::Question);
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);
}

}  // namespace

TEST(Menu, TheTreeWithItsCaptionsAndShortcuts) {
  Table table;
  const MainMenu& m = table.menu.menu;
  const QList<QAction*> top = table.window.menuBar()->actions();
  ASSERT_EQ(top.size(), 3);
  EXPECT_EQ(top[0]->text(), QStringLiteral("&Файл"));
  EXPECT_EQ(top[1]->text(), QStringLiteral("&Информация"));
  EXPECT_EQ(top[2]->text(), QStringLiteral("Часы"));
  EXPECT_EQ(top[2]->menu(), nullptr);

  struct Entry {
    QString caption;  // empty: a separator
    QKeySequence key;
  };
  auto check = [](QMenu* menu, const std::vector<Entry>& want) {
    const QList<QAction*> got = menu->actions();
    ASSERT_EQ(got.size(), static_cast<qsizetype>(want.size()));
    for (std::size_t i = 0; i < want.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(got[i]->isSeparator(), want[i].caption.isEmpty());
      EXPECT_EQ(got[i]->text(), want[i].caption);
      EXPECT_EQ(got[i]->shortcut(), want[i].key);
    }
  };
  const QString shirt = QString::fromUtf8("P\xd1\x83\xd0\xb1\xd0\xb0\xd1\x88\xd0\xba" "a...");
  check(m.mnu_file, {{"Новая игра", QKeySequence(Qt::Key_F2)},
                     {"", {}},
                     {shirt, QKeySequence(Qt::Key_F3)},
                     {"Статистика...", QKeySequence(Qt::Key_F4)},
                     {"", {}},
                     {"Выход", QKeySequence(Qt::Key_F12)}});
  check(m.mnu_inf, {{"Справка...", QKeySequence(Qt::Key_F1)},
                    {"", {}},
                    {"О программе...", QKeySequence(Qt::Key_F5)}});
  // The card-back entry starts with a Latin P and ends its word with a Latin a.
  EXPECT_EQ(m.mnu_choicechirt->text().at(0).unicode(), 0x50);
  EXPECT_EQ(m.mnu_choicechirt->text().at(6).unicode(), 0x61);
}

TEST(Menu, EveryShortcutReachesItsEntry) {
  Table table;
  auto press = [&table](Qt::Key key) {
    QApplication::setActiveWindow(&table.window);  // back from the last dialog
    return modal_opened_by([&] { QTest::keyClick(&table.window, key); });
  };
  EXPECT_EQ(press(Qt::Key_F1), QStringLiteral("Help"));
  EXPECT_EQ(press(Qt::Key_F3), QStringLiteral("skins"));
  EXPECT_EQ(press(Qt::Key_F4), QStringLiteral("frmStatistika"));
  EXPECT_EQ(press(Qt::Key_F5), QStringLiteral("frmAbout"));
  EXPECT_TRUE(table.t.host.messages.empty());

  // F2 deals at once, with no question.
  const auto generation = table.t.g.generation;
  EXPECT_EQ(press(Qt::Key_F2), QString());
  EXPECT_EQ(table.t.g.generation, generation + 1);
  EXPECT_TRUE(table.t.host.messages.empty());

  table.t.host.answers = {Answer::No};
  QApplication::setActiveWindow(&table.window);
  QTest::keyClick(&table.window, Qt::Key_F12);
  expect_exit_question(table.t.host);
  EXPECT_FALSE(table.t.g.stopped);
}

TEST(Menu, ExitFromTheMenuYesEndsWithoutSavingNoPlaysOn) {
  Table table;
  table.t.host.answers = {Answer::No};
  table.menu.menu.mnu_exit->trigger();
  expect_exit_question(table.t.host);
  EXPECT_FALSE(table.t.g.stopped);
  EXPECT_EQ(table.t.host.ended, 0);

  table.t.host.messages.clear();
  table.t.host.answers = {Answer::Yes};
  table.menu.menu.mnu_exit->trigger();
  expect_exit_question(table.t.host);
  EXPECT_TRUE(table.t.g.stopped);
  EXPECT_EQ(table.t.host.ended, 1);
  EXPECT_TRUE(table.t.host.saves.empty());
}

TEST(Menu, CloseBoxAsksNoKeepsTheWindowYesEndsTheProgram) {
  Table table;
  table.t.host.answers = {Answer::No};
  EXPECT_FALSE(close_box(table.window));
  expect_exit_question(table.t.host);
  EXPECT_TRUE(table.window.isVisible());
  EXPECT_FALSE(table.t.g.stopped);

  table.t.host.messages.clear();
  table.t.host.answers = {Answer::Yes};
  EXPECT_TRUE(close_box(table.window));
  expect_exit_question(table.t.host);
  EXPECT_TRUE(table.t.g.stopped);
  EXPECT_EQ(table.t.host.ended, 1);
  EXPECT_TRUE(table.t.host.saves.empty());
}

TEST(Menu, ClosesThePlayerDidNotAskForAreNotHeldUp) {
  {
    Table table;
    table.t.host.answers = {Answer::No};
    table.window.close();  // the program's own close
    EXPECT_TRUE(table.t.host.messages.empty());
    EXPECT_FALSE(table.window.isVisible());
  }
  {
    Table table;
    table.t.host.answers = {Answer::No};
    // The session is ending: even the window system's close goes through.
    table.menu.exit_question->sessionEnds();
    EXPECT_TRUE(table.menu.exit_question->sessionEnding());
    EXPECT_TRUE(close_box(table.window));
    EXPECT_TRUE(table.t.host.messages.empty());
  }
}

TEST(Clock, ShortDateAndLongTimeOfTheLocaleAndTheDateAloneAtMidnight) {
  const QLocale ru(QLocale::Russian, QLocale::Russia);
  const QDate day(2026, 12, 5);
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(10, 15, 30)), ru), QStringLiteral("05.12.2026 10:15:30"));
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(0, 0, 0)), ru), QStringLiteral("05.12.2026"));
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(0, 0, 1)), ru), QStringLiteral("05.12.2026 00:00:01"));
  const QLocale en(QLocale::English, QLocale::UnitedStates);
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(22, 15, 30)), en), QStringLiteral("12/5/26 10:15:30 PM"));
}

TEST(Clock, ReadsClockUntilTheFirstTickThenTheTimeEverySecond) {
  Table table;
  QAction* clock = table.menu.menu.mnu_clock;
  EXPECT_EQ(clock->text(), QStringLiteral("Часы"));
  EXPECT_TRUE(table.menu.menu.clock_timer->isActive());
  EXPECT_EQ(table.menu.menu.clock_timer->interval(), 1000);
  const QDateTime before = QDateTime::currentDateTime();
  QTimerEvent e(table.menu.menu.clock_timer->timerId());
  QCoreApplication::sendEvent(table.menu.menu.clock_timer, &e);
  const QDateTime after = QDateTime::currentDateTime();
  EXPECT_TRUE(clock->text() == clock_caption(before) || clock->text() == clock_caption(after))
      << clock->text().toStdString();
}
