// The Qt host: message boxes as the player sees them, the pause, the clock,
// and ending the program from wherever the game happens to be.
#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "carddesk.h"
#include "message_box_builder.h"
#include "qt_host.h"

namespace blefino {
namespace {

using namespace std::chrono_literals;

std::vector<QString> captions(const QMessageBox& box) {
  std::vector<QString> out;
  for (QAbstractButton* b : box.buttons()) out.push_back(b->text());
  return out;
}

TEST(QtHostMessages, BoxesCarryExactTextTitleIconAndRussianButtonsAndFitTheirTitle) {
  struct Case {
    const char *text, *title;
    Icon icon;
    Buttons buttons;
    QMessageBox::Icon shown;
    std::vector<QString> captions;
  };
  const Case cases[] = {
      {"Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo, QMessageBox::Question,
       {QStringLiteral("Да"), QStringLiteral("Нет")}},
      {"Ничья!!!", "Блефино", Icon::None, Buttons::Ok, QMessageBox::NoIcon, {QStringLiteral("OK")}},
      {"Больше нельзя!!!", "Блефино", Icon::Information, Buttons::Ok, QMessageBox::Information,
       {QStringLiteral("OK")}},
      // A player's name is shown as typed, never read as markup.
      {"<b>Вася</b>, забирай", "GRUB", Icon::Question, Buttons::Ok, QMessageBox::Question,
       {QStringLiteral("OK")}},
      // An opponent's name in the title is never cut short.
      {"Отбой", "BARNABY KROSS", Icon::None, Buttons::Ok, QMessageBox::NoIcon, {QStringLiteral("OK")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto box = make_message_box(c.text, c.title, c.icon, c.buttons);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.text));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(box->icon(), c.shown);
    EXPECT_EQ(captions(*box), c.captions);
    EXPECT_EQ(box->defaultButton(), box->buttons().front());  // Yes or OK
    box->show();  // the box sizes itself when shown
    EXPECT_GE(box->width(), title_bar_width(box->windowTitle()));
    EXPECT_FALSE(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  }
}

TEST(QtHostMessages, TheAnswerIsTheButtonPressedInTheInterceptorOrARealBox) {
  QtHost host;
  QMessageBox::StandardButton press = QMessageBox::No;
  host.setInterceptor([&](QMessageBox&) { return press; });
  EXPECT_EQ(host.message("?", "t", Icon::Question, Buttons::YesNo), Answer::No);
  press = QMessageBox::Yes;
  EXPECT_EQ(host.message("?", "t", Icon::Question, Buttons::YesNo), Answer::Yes);

  QtHost real;  // no interceptor: a modal box waits for its button
  QString seen;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = box->text();
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(real.message("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo), Answer::No);
  EXPECT_EQ(seen, QStringLiteral("Сыграем еще раз?"));
}

// The pause lasts its 1.5 s by the monotonic clock, and timers (and with them
// painting) go on meanwhile.
TEST(QtHostPause, LastsOneAndAHalfSecondsWhileTimersRun) {
  QtHost host;
  bool fired = false;
  QTimer::singleShot(0, [&] { fired = true; });
  QElapsedTimer clock;  // monotonic
  clock.start();
  host.pause();
  EXPECT_GE(clock.elapsed(), 1500);
  EXPECT_TRUE(fired);
}

TEST(QtHostEnding, EndingDuringAPauseCutsItShortAndSilencesTheRest) {
  Carddesk desk([] { return TableModel{}; });
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

TEST(QtHostSystem, NowIsTheLocalDateAndSavingHandsTheSettingsOn) {
  Settings saved;
  QtHost host([&](const Settings& s) { saved = s; });
  const QDate before = QDate::currentDate();
  const LocalDateTime t = host.now();
  const QDate got(t.year, t.month, t.day);
  EXPECT_TRUE(got == before || got == QDate::currentDate());
  Settings s;
  s.player_name = "Вася";
  host.save_all(s);
  EXPECT_EQ(saved.player_name, "Вася");
}

}  // namespace
}  // namespace blefino
