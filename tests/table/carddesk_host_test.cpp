// The Qt host: message boxes as the player sees them, over the table as it
// stands; the pause; the clock; and ending the program from wherever the game
// happens to be.
#include <QPushButton>
#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

#include "carddesk.h"
#include "message_box_builder.h"
#include "qt_host.h"

namespace blefino {
namespace {

using namespace std::chrono_literals;
using Box = QMessageBox;

// A table whose claim reads `claim`, with a host in front of it.
struct Hosted {
  explicit Hosted(std::chrono::milliseconds pause = 1500ms) : host({}, pause) {
    host.setWindow(&desk);
    host.setExitAction([this] { ++exits; });
    desk.show();
  }
  QString shown() const { return desk.findChild<QLabel*>(QStringLiteral("koncard"))->text(); }
  TableModel m;
  Carddesk desk{[this] { return m; }};
  QtHost host;
  int exits = 0;
};

TEST(QtHost, BoxesCarryExactTextTitleIconAndRussianButtonsAndFitTheirTitle) {
  const struct { const char *text, *title; Icon icon; Buttons buttons; Box::Icon shown; QStringList captions; } cases[] = {
      {"Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo, Box::Question, {"Да", "Нет"}},
      {"Больше нельзя!!!", "Блефино", Icon::Information, Buttons::Ok, Box::Information, {"OK"}},
      // A player's name is shown as typed, never read as markup.
      {"<b>Вася</b>, забирай", "GRUB", Icon::Question, Buttons::Ok, Box::Question, {"OK"}},
      // An opponent's name in the title is never cut short.
      {"Отбой", "BARNABY KROSS", Icon::None, Buttons::Ok, Box::NoIcon, {"OK"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    auto box = make_message_box(c.text, c.title, c.icon, c.buttons);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.text));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(box->icon(), c.shown);
    QStringList captions;
    for (QAbstractButton* b : box->buttons()) captions << b->text();
    EXPECT_EQ(captions, c.captions);
    EXPECT_EQ(box->defaultButton(), box->buttons().front());  // Yes or OK
    box->show();  // the box sizes itself when shown
    EXPECT_GE(box->width(), title_bar_width(box->windowTitle()));
    EXPECT_FALSE(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  }
}

// The box comes up over the table as it stands now; a box closed without a
// button gives the cautious answer.
TEST(QtHost, TheAnswerIsTheButtonPressedOverTheTableAsItStands) {
  const struct { Buttons buttons; Box::StandardButton pressed; Answer answer; } cases[] = {
      {Buttons::YesNo, Box::Yes, Answer::Yes}, {Buttons::YesNo, Box::No, Answer::No},
      {Buttons::YesNo, Box::NoButton, Answer::No}, {Buttons::Ok, Box::NoButton, Answer::Ok}};
  Hosted t;
  for (const auto& c : cases) {
    t.m.koncard.caption = std::to_string(&c - cases);
    QString under;
    t.host.setInterceptor([&](Box&) { under = t.shown(); return c.pressed; });
    EXPECT_EQ(t.host.message("?", "Блефино", Icon::Question, c.buttons), c.answer);
    EXPECT_EQ(under.toStdString(), t.m.koncard.caption);
  }
  QtHost real;  // no interceptor: a modal box waits for its button
  QString seen;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = box->text();
    box->button(Box::No)->click();
  });
  EXPECT_EQ(real.message("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo), Answer::No);
  EXPECT_EQ(seen, QStringLiteral("Сыграем еще раз?"));
}

// The pause lasts its 1.5 s by the monotonic clock, showing the table as it
// stands; timers, and with them painting, go on meanwhile.
TEST(QtHost, APauseLastsOneAndAHalfSecondsOverTheTableAsItStands) {
  Hosted t;
  t.m.koncard.caption = "Туз";
  QString during;
  QTimer::singleShot(0, [&] { during = t.shown(); });
  QElapsedTimer clock;
  clock.start();
  t.host.pause();
  EXPECT_GE(clock.elapsed(), 1500);
  EXPECT_EQ(during, QStringLiteral("Туз"));
}

// Ended in a pause or while a box is up, the program hides the table at once,
// and nothing the unwinding game still says is shown: No is the answer.
TEST(QtHost, EndingCutsThePauseOrTheBoxShortAndSilencesTheRest) {
  for (bool in_pause : {true, false}) {
    SCOPED_TRACE(in_pause);
    Hosted t(10min);  // a pause that would outlast the test run if not cut short
    int boxes = 0;
    t.host.setInterceptor([&](Box&) { ++boxes; t.host.end_program(); return Box::Yes; });
    if (in_pause) {
      QTimer::singleShot(10, [&] { t.host.end_program(); });
      t.host.pause();
    } else {
      EXPECT_EQ(t.host.message("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo), Answer::No);
    }
    EXPECT_TRUE(t.host.ending());
    EXPECT_FALSE(t.desk.isVisible());
    EXPECT_EQ(t.host.message("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo), Answer::No);
    t.host.end_program();
    EXPECT_EQ(t.exits, 1);
    EXPECT_EQ(boxes, in_pause ? 0 : 1);
  }
}

// With the real exit, which leaves every loop for good: run in a child process.
TEST(QtHostDeathTest, EndingFromInsideARealBoxLeavesItsLoop) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        QtHost host;
        QTimer::singleShot(0, [&] {
          if (QApplication::activeModalWidget()) host.end_program();
        });
        const Answer a = host.message("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo);
        std::_Exit(a == Answer::No && host.ending() && !QApplication::activeModalWidget() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(QtHost, NowIsTheLocalDateAndSavingHandsTheSettingsOn) {
  Settings saved;
  QtHost host([&](const Settings& s) { saved = s; });
  const QDate before = QDate::currentDate();
  const LocalDateTime t = host.now();
  const QDate got(t.year, t.month, t.day);
  EXPECT_TRUE(got == before || got == QDate::currentDate());
  host.save_all(Settings{"Вася"});
  EXPECT_EQ(saved.player_name, "Вася");
}

}  // namespace
}  // namespace blefino
