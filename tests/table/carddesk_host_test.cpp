// The Qt host: message boxes as the player sees them, the pause, the clock,
// and ending the program from wherever the game happens to be.
#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "carddesk.h"
#include "qt_host.h"

namespace blefino {
namespace {

using namespace std::chrono_literals;

std::vector<QString> captions(const QMessageBox& box) {
  std::vector<QString> out;
  for (QAbstractButton* b : box.buttons()) out.push_back(b->text());
  return out;
}

TEST(QtHostMessages, BoxesCarryExactTextTitleIconAndRussianButtons) {
  auto ask = QtHost::makeMessageBox("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo);
  EXPECT_EQ(ask->text(), QStringLiteral("Сыграем еще раз?"));
  EXPECT_EQ(ask->windowTitle(), QStringLiteral("Блефино"));
  EXPECT_EQ(ask->icon(), QMessageBox::Question);
  EXPECT_EQ(ask->button(QMessageBox::Yes)->text(), QStringLiteral("Да"));
  EXPECT_EQ(ask->button(QMessageBox::No)->text(), QStringLiteral("Нет"));
  EXPECT_EQ(captions(*ask).size(), 2u);
  EXPECT_EQ(static_cast<QAbstractButton*>(ask->defaultButton()), ask->button(QMessageBox::Yes));

  auto tell = QtHost::makeMessageBox("Ничья!!!", "Блефино", Icon::None, Buttons::Ok);
  EXPECT_EQ(tell->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(captions(*tell), std::vector<QString>{QStringLiteral("OK")});

  // A player's name is shown as typed, never read as markup.
  auto named = QtHost::makeMessageBox("<b>Вася</b>, забирай", "GRUB", Icon::Question, Buttons::Ok);
  EXPECT_EQ(named->textFormat(), Qt::PlainText);
  EXPECT_EQ(named->windowTitle(), QStringLiteral("GRUB"));
}

TEST(QtHostMessages, TheAnswerIsTheButtonPressed) {
  QtHost host;
  QMessageBox::StandardButton press = QMessageBox::No;
  host.setInterceptor([&](QMessageBox&) { return press; });
  EXPECT_EQ(host.message("?", "t", Icon::Question, Buttons::YesNo), Answer::No);
  press = QMessageBox::Yes;
  EXPECT_EQ(host.message("?", "t", Icon::Question, Buttons::YesNo), Answer::Yes);
  press = QMessageBox::Ok;
  EXPECT_EQ(host.message("!", "t", Icon::Information, Buttons::Ok), Answer::Ok);
}

TEST(QtHostMessages, ARealModalBoxWaitsForItsButton) {
  QtHost host;
  QString seen;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = box->text();
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(host.message("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo), Answer::No);
  EXPECT_EQ(seen, QStringLiteral("Сыграем еще раз?"));
}

TEST(QtHostPause, TimersAndPaintingGoOnDuringThePause) {
  QtHost host({}, 30ms);
  bool fired = false;
  QTimer::singleShot(0, [&] { fired = true; });
  host.pause();
  EXPECT_TRUE(fired);
}

TEST(QtHostEnding, EndingDuringAPauseCutsItShortAndSilencesTheRest) {
  TableModel m;
  Carddesk desk(m);
  QtHost host({}, std::chrono::minutes(10));  // would outlast the test run if not cut short
  host.setWindow(&desk);
  int exits = 0, boxes = 0;
  host.setExitAction([&] { ++exits; });
  host.setInterceptor([&](QMessageBox&) { ++boxes; return QMessageBox::Yes; });
  desk.show();
  QTimer::singleShot(10, [&] { host.end_program(); });
  host.pause();
  EXPECT_TRUE(host.ending());
  EXPECT_FALSE(desk.isVisible());
  EXPECT_EQ(exits, 1);
  // Whatever the unwinding game still says is not shown, and No is the answer.
  EXPECT_EQ(host.message("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo), Answer::No);
  EXPECT_EQ(boxes, 0);
  host.end_program();
  EXPECT_EQ(exits, 1);
}

// With the real exit, which leaves every loop for good: run in a child process.
TEST(QtHostEndingDeathTest, EndingFromInsideAMessageBoxLeavesItsLoop) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        QtHost host;
        QTimer::singleShot(0, [&] {
          if (QApplication::activeModalWidget()) host.end_program();
        });
        const Answer a = host.message("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo);
        const bool ok = a == Answer::No && host.ending() && !QApplication::activeModalWidget();
        std::_Exit(ok ? 0 : 1);  // no exit handlers: nothing else is judged here
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(QtHostClock, NowIsTheLocalDate) {
  QtHost host;
  const QDate before = QDate::currentDate();
  const LocalDateTime t = host.now();
  const QDate after = QDate::currentDate();
  const QDate got(t.year, t.month, t.day);
  EXPECT_TRUE(got == before || got == after);
  EXPECT_GE(t.hour, 0);
  EXPECT_LT(t.hour, 24);
}

TEST(QtHostSaving, SaveAllHandsTheSettingsOn) {
  Settings saved;
  QtHost host([&](const Settings& s) { saved = s; });
  Settings s;
  s.player_name = "Вася";
  s.win = "8";
  host.save_all(s);
  EXPECT_EQ(saved.player_name, "Вася");
  EXPECT_EQ(saved.win, "8");
}

}  // namespace
}  // namespace blefino
