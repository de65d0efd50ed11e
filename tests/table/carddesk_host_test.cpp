// The Qt host: message boxes as the player sees them and the pause, both over
// the table as it stands; the clock; and ending the program from wherever the
// game happens to be.
#include <QtGui/qpa/qwindowsysteminterface.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <optional>

#include "table/carddesk.h"
#include "table/message_box_builder.h"
#include "table/qt_host.h"

namespace blefino {
namespace {

using namespace std::chrono_literals;
using Box = QMessageBox;

// A shown table, whose claim reads m.koncard, behind a host pausing for `pause` or as the game
// does.
struct Hosted {
  explicit Hosted(std::optional<std::chrono::milliseconds> pause = {})
      : host(pause ? QtHost({}, *pause) : QtHost()) {
    host.setWindow(&desk);
    host.setExitAction([this] { ++exits; });
    desk.show();
  }
  std::string shown() const {
    return desk.findChild<QLabel*>(QStringLiteral("koncard"))->text().toStdString();
  }
  TableModel m;
  Carddesk desk{[this] { return m; }};
  QtHost host;
  int exits = 0;
};

// Calls `seen` with every event its object is given.
struct Counter : QObject {
  explicit Counter(std::function<void(QEvent*)> f) : seen(std::move(f)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    seen(e);
    return false;
  }
  std::function<void(QEvent*)> seen;
};

Answer again(QtHost& host) {
  return host.message("Сыграем еще раз?", "Блефино", Icon::Question, Buttons::YesNo);
}

TEST(QtHost, BoxesCarryExactTextTitleIconAndRussianButtonsAndFitTheirTitle) {
  const struct {
    const char *text, *title;
    Icon icon;
    Buttons buttons;
    Box::Icon shown;
    QStringList captions;
    const char* on_enter;  // the default button
  } cases[] = {
      {"Сыграем еще раз?",
       "Блефино",
       Icon::Question,
       Buttons::YesNo,
       Box::Question,
       {"Да", "Нет"},
       "Да"},
      // A stray Enter must not throw away what Yes would.
      {"Очистить статистику?",
       "Блефино",
       Icon::Question,
       Buttons::YesNoDefaultNo,
       Box::Question,
       {"Да", "Нет"},
       "Нет"},
      {"Больше нельзя!!!",
       "Блефино",
       Icon::Information,
       Buttons::Ok,
       Box::Information,
       {"OK"},
       "OK"},
      // A name is shown as typed, never read as markup; an opponent's is never cut short.
      {"<b>Вася</b>, забирай", "BARNABY KROSS", Icon::None, Buttons::Ok, Box::NoIcon, {"OK"}, "OK"},
  };
  for (const auto& c : cases) {
    auto box = make_message_box(c.text, c.title, c.icon, c.buttons);
    box->show();  // the box sizes itself when shown
    QStringList captions;
    for (QAbstractButton* b : box->buttons()) captions << b->text();
    EXPECT_EQ(captions, c.captions) << c.text;
    EXPECT_EQ(box->defaultButton()->text(), QString::fromUtf8(c.on_enter)) << c.text;
    EXPECT_EQ(box->windowTitle() + ": " + box->text(),
              QString::fromUtf8(c.title) + ": " + QString::fromUtf8(c.text));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), c.shown) << c.text;
    EXPECT_GE(box->width(), title_bar_width(box->windowTitle())) << c.text;
    EXPECT_EQ(box->windowFlags(), kFixedWindowFlags)
        << c.text;  // a window manager draws no min/max
  }
}

// A box closed without a button gives the cautious answer. The pause lasts its
// 1.5 s by the monotonic clock while timers, and with them painting, go on;
// keys and clicks given at the table meanwhile are dropped, never kept for
// the box that comes next.
TEST(QtHost, BoxesAndThePauseComeUpOverTheTableAsItStands) {
  const struct {
    Buttons buttons;
    Box::StandardButton pressed;
    Answer answer;
  } cases[] = {{Buttons::YesNo, Box::Yes, Answer::Yes},
               {Buttons::YesNo, Box::No, Answer::No},
               {Buttons::YesNo, Box::NoButton, Answer::No},
               {Buttons::Ok, Box::NoButton, Answer::Ok}};
  Hosted t;
  std::string under;
  for (const auto& c : cases) {
    t.m.koncard.caption = std::to_string(&c - cases);
    t.host.setInterceptor([&](Box&) {
      under = t.shown();
      return c.pressed;
    });
    EXPECT_EQ(t.host.message("?", "Блефино", Icon::Question, c.buttons), c.answer);
    EXPECT_EQ(under, t.m.koncard.caption);
  }
  t.m.koncard.caption = "Туз";
  QWindow* window = t.desk.windowHandle();
  QTimer::singleShot(0, [&] {
    under = t.shown();
    // As the window system hands them in: queued, delivered when the loop takes them.
    using Wsi = QWindowSystemInterface;
    for (auto type : {QEvent::KeyPress, QEvent::KeyRelease})
      Wsi::handleKeyEvent<Wsi::AsynchronousDelivery>(window, type, Qt::Key_Return, {});
    const QPointF at = t.desk.table()->geometry().center();
    Wsi::handleMouseEvent<Wsi::AsynchronousDelivery>(window, at, window->mapToGlobal(at),
                                                     Qt::LeftButton, Qt::LeftButton,
                                                     QEvent::MouseButtonPress);
  });
  int input = 0;
  Counter counter([&input](QEvent* e) {
    input += e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress;
  });
  window->installEventFilter(&counter);
  const auto started = std::chrono::steady_clock::now();
  t.host.pause();
  EXPECT_GE(std::chrono::steady_clock::now() - started, 1500ms);
  EXPECT_EQ(under, "Туз");
  QCoreApplication::processEvents();
  EXPECT_EQ(input, 0);
}

// Ended in a pause or while a box is up, the program hides the table at once,
// and nothing the unwinding game still says is shown: No is the answer.
TEST(QtHost, EndingCutsThePauseOrTheBoxShortAndSilencesTheRest) {
  for (bool in_pause : {true, false}) {
    Hosted t(10min);  // a pause that would outlast the test run if not cut short
    int boxes = 0;
    t.host.setInterceptor([&](Box&) {
      ++boxes;
      t.host.end_program();
      return Box::Yes;
    });
    if (in_pause) {
      QTimer::singleShot(10, [&] { t.host.end_program(); });
      t.host.pause();
    } else {
      EXPECT_EQ(again(t.host), Answer::No);  // Yes was pressed, but the program had ended
    }
    EXPECT_FALSE(t.desk.isVisible()) << in_pause;
    EXPECT_EQ(again(t.host), Answer::No) << in_pause;
    t.host.end_program();
    EXPECT_EQ(t.exits, 1) << in_pause;
    EXPECT_EQ(boxes, in_pause ? 0 : 1);
  }
}

// With no interceptor the box is real, and modal; the real exit leaves every
// loop for good, so this runs in a child process.
TEST(QtHostDeathTest, ARealBoxTakesItsButtonAndEndingLeavesItsLoop) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        QtHost host;
        QTimer::singleShot(0, [] {
          qobject_cast<Box*>(QApplication::activeModalWidget())->button(Box::Yes)->click();
        });
        const Answer yes = again(host);
        QTimer::singleShot(0, [&] { host.end_program(); });
        const Answer no = again(host);
        std::_Exit(
            yes == Answer::Yes && no == Answer::No && !QApplication::activeModalWidget() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST(QtHost, NowIsTheLocalDateAndSavingHandsTheSettingsOn) {
  Settings saved;
  QtHost host([&](const Settings& s) { saved = s; });
  const QDate before = QDate::currentDate();
  const LocalDateTime t = host.now();
  EXPECT_TRUE(QDate(t.year, t.month, t.day) == before ||
              QDate(t.year, t.month, t.day) == QDate::currentDate());
  host.save_all(Settings{"Вася"});
  EXPECT_EQ(saved.player_name, "Вася");
}

}  // namespace
}  // namespace blefino
