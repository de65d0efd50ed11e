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
#include "fixture.h"
#include "game_menu.h"

using namespace blefino;
using namespace blefino::windows;

namespace {

// The table window with the game's menu, a game dealt.
struct Table {
  blefino::testing::Table t;
  QMainWindow window;
  GameMenu menu;

  Table() {
    t.g.settings.player_name = "Вася";
    new_game(t.g);
    menu = install_game_menu(window, t.g);
    window.show();
    QApplication::setActiveWindow(&window);
  }
  // Presses `key` and closes the modal window it opens; returns that window's name, or "".
  QString press(Qt::Key key) {
    QApplication::setActiveWindow(&window);  // back from the last dialog
    QString seen;
    QTimer::singleShot(0, [&seen] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        seen = w->objectName();
        w->close();
      }
    });
    QTest::keyClick(&window, key);
    QCoreApplication::processEvents();
    return seen;
  }
};

// A close request as the window system delivers it: the player's own.
bool close_box(QWidget& w) {
  QCloseEvent e;
  QSpontaneKeyEvent::setSpontaneous(&e);
  qApp->notify(&w, &e);  // sendEvent() would mark it as the program's own
  return e.isAccepted();
}

QStringList captions(const QList<QAction*>& actions) {
  QStringList out;
  for (const QAction* a : actions) out << a->text();
  return out;
}

const std::vector<std::string> kExitQuestion = {"Завершение: Завершить игру?"};

}  // namespace

TEST(Menu, TheTreeAndEveryShortcut) {
  Table table;
  const MainMenu& m = table.menu.menu;
  EXPECT_EQ(captions(table.window.menuBar()->actions()).join('|'), QStringLiteral("&Файл|&Информация|Часы"));
  // The card-back entry is spelt with a Latin P and a Latin a.
  const QString shirt = QString::fromUtf8("P\xd1\x83\xd0\xb1\xd0\xb0\xd1\x88\xd0\xba" "a...");
  EXPECT_EQ(captions(m.mnu_file->actions()), (QStringList{"Новая игра", "", shirt, "Статистика...", "", "Выход"}));
  EXPECT_EQ(captions(m.mnu_inf->actions()), (QStringList{"Справка...", "", "О программе..."}));

  struct Case {
    Qt::Key key;
    const char* opens;  // the modal window's name; "" for none
    int new_deals;
  };
  const Case cases[] = {{Qt::Key_F1, "Help", 0},          {Qt::Key_F3, "skins", 0},
                        {Qt::Key_F4, "frmStatistika", 0}, {Qt::Key_F5, "frmAbout", 0},
                        {Qt::Key_F2, "", 1},  // deals at once, with no question
                        {Qt::Key_F12, "", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
    const auto generation = table.t.g.generation;
    EXPECT_EQ(table.press(c.key), QString::fromUtf8(c.opens));
    EXPECT_EQ(table.t.g.generation, generation + c.new_deals);
    // Only F12 asks anything; with no answer scripted the fake says No.
    EXPECT_EQ(table.t.host.messages(), c.key == Qt::Key_F12 ? kExitQuestion : std::vector<std::string>{});
  }
  EXPECT_FALSE(table.t.g.stopped);
}

TEST(Menu, ExitQuestionFromTheMenuAndTheCloseBoxYesEndsWithoutSavingNoPlaysOn) {
  for (bool from_menu : {true, false}) {
    for (Answer answer : {Answer::No, Answer::Yes}) {
      SCOPED_TRACE(::testing::Message() << (from_menu ? "menu, " : "close box, ") << int(answer));
      const bool yes = answer == Answer::Yes;
      Table table;
      table.t.host.yes_no = {answer};
      if (from_menu) table.menu.menu.mnu_exit->trigger();
      else EXPECT_EQ(close_box(table.window), yes);
      EXPECT_EQ(table.t.host.messages(), kExitQuestion);
      EXPECT_EQ(table.t.g.stopped, yes);
      EXPECT_EQ(table.t.host.ended(), yes ? 1 : 0);
      EXPECT_TRUE(table.t.host.saved.empty());
      if (!yes) EXPECT_TRUE(table.window.isVisible());
    }
  }
}

TEST(Menu, ClosesThePlayerDidNotAskForAreNotHeldUp) {
  Table own, ending;
  own.window.close();  // the program's own close
  EXPECT_FALSE(own.window.isVisible());
  ending.menu.exit_question->sessionEnds();  // the session ends: even the window system's close goes through
  EXPECT_TRUE(close_box(ending.window));
  EXPECT_TRUE(own.t.host.messages().empty());
  EXPECT_TRUE(ending.t.host.messages().empty());
}

TEST(Clock, ShortDateAndLongTimeOfTheLocaleAndTheDateAloneAtMidnight) {
  const QLocale ru(QLocale::Russian, QLocale::Russia), en(QLocale::English, QLocale::UnitedStates);
  const QDate day(2026, 12, 5);
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(10, 15, 30)), ru), QStringLiteral("05.12.2026 10:15:30"));
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(0, 0, 0)), ru), QStringLiteral("05.12.2026"));
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(0, 0, 1)), ru), QStringLiteral("05.12.2026 00:00:01"));
  EXPECT_EQ(clock_caption(QDateTime(day, QTime(22, 15, 30)), en), QStringLiteral("12/5/26 10:15:30 PM"));
}

TEST(Clock, TheMenuItemShowsTheTimeAtEachTickOfASecond) {
  Table table;
  QTimer* timer = table.menu.menu.clock_timer;
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 1000);
  const QDateTime before = QDateTime::currentDateTime();
  QTimerEvent e(timer->timerId());
  QCoreApplication::sendEvent(timer, &e);
  const QString text = table.menu.menu.mnu_clock->text();
  EXPECT_TRUE(text == clock_caption(before) || text == clock_caption(QDateTime::currentDateTime())) << text.toStdString();
}
