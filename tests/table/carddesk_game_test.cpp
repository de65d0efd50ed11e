// The table window with the real game behind it: every control plays its move
// and the table shows the result; whole games run through the Qt host until
// "No" ends the program from inside the chain of moves.
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

#include "carddesk.h"
#include "fixture.h"
#include "opponents/opponents.h"
#include "qt_host.h"

namespace blefino::testing {
namespace {

// The human to move with 6♦ 6♥ 9♣ K♦ K♠, against GRUB and DUKE LOPATSKY.
struct Played : Table {
  Played() {
    position({12, 22}, {13, 23}, {48, 18, 11, 21, 34}, 1, 4);
    hand_over_to_human(g);
    desk.showModel();
    desk.show();
  }
  void click(const char* name) {
    QWidget* w = desk.findChild<QWidget*>(QLatin1String(name));
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(10, w->height() / 2));
  }
  void press(int slot, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(desk.table(), b, {}, desk.slotRect(3, slot).center());
  }
  std::string text(const char* name) {
    return desk.findChild<QWidget*>(QLatin1String(name))->property("text").toString().simplified().toStdString();
  }
  Carddesk desk{view_of(g), events_for(g)};
};

TEST(CarddeskGame, EveryControlPlaysItsMoveAndTheTableShowsTheResult) {
  Played t;
  const QRect resting = t.desk.slotRect(3, 3);
  t.press(3, Qt::RightButton);  // any button raises the card ...
  EXPECT_EQ(t.desk.slotRect(3, 3), resting.translated(0, -9));
  t.press(3);  // ... and lays it: 9♣ claims nines
  EXPECT_EQ(codes(t.g.batch), std::vector<int>{34});
  EXPECT_EQ(t.text("koncard"), "Девятка");
  t.click("Option1_9");  // a bluff
  EXPECT_EQ(t.text("koncard"), "Туз");
  t.click("mainbutton");
  EXPECT_EQ(t.recorder.moves, std::vector<Seat>{Seat::Cpu1});

  t.g.show_cards_offered = true;
  t.desk.showModel();
  t.click("Command1");
  EXPECT_EQ(t.text("Command1"), "Закрыть карты");
  t.desk.close();
  EXPECT_EQ(t.host.log.back(), "end");

  // An honest claim of kings: believed, it goes out of play; doubted, the player takes it.
  for (auto [answer, verdict] : {std::pair{"veru", "DUKE LOPATSKY: Отбой"}, std::pair{"neveru", "DUKE LOPATSKY: Вася, забирай"}}) {
    Played a;
    a.claim_made({38, 28}, 8, {16, 26});
    a.desk.showModel();
    a.click(answer);
    EXPECT_EQ(a.host.messages(), std::vector<std::string>{verdict});
  }
}

// Whole games with the real opponents through the window and the Qt host,
// every box answered, until "Сыграем еще раз?" is answered No. The opponents
// speak their verdicts under their names, with a question mark.
TEST(CarddeskGame, FullGamesRunThroughTheWindowUntilNoEndsTheProgram) {
  ScriptRandom rng;
  rng.values.assign(36, 0.37);
  rng.push({0.0, 0.5, 0.9});  // opponents of rows 1 and 5; the human begins
  ComputerOpponents opponents;
  QtHost host({}, std::chrono::milliseconds(0));
  Game g(host, rng, opponents);
  g.settings.player_name = "Вася";
  Carddesk desk(view_of(g), events_for(g));
  int again = 0, exits = 0;
  std::set<QMessageBox::Icon> verdict_icons;
  host.setInterceptor([&](QMessageBox& box) {
    if (box.windowTitle() != QStringLiteral("Блефино")) verdict_icons.insert(box.icon());
    if (box.text() != QStringLiteral("Сыграем еще раз?")) return QMessageBox::Ok;
    return ++again < 3 ? QMessageBox::Yes : QMessageBox::No;
  });
  host.setExitAction([&] { ++exits; });
  host.setWindow(&desk);
  new_game(g);
  desk.showModel();
  desk.show();
  auto* veru = desk.findChild<QWidget*>(QStringLiteral("veru"));
  auto* main = desk.findChild<QWidget*>(QStringLiteral("mainbutton"));
  for (int step = 0; step < 5000 && !host.ending(); ++step) {
    if (veru->isVisible()) {
      QTest::mouseClick(step % 3 ? desk.findChild<QWidget*>(QStringLiteral("neveru")) : veru, Qt::LeftButton);
    } else if (main->isVisible() && main->isEnabled()) {
      QTest::mouseClick(main, Qt::LeftButton);
    } else {
      for (int press = 0; press < 2; ++press)
        QTest::mouseClick(desk.table(), Qt::LeftButton, {}, desk.slotRect(3, 1).center());
    }
  }
  ASSERT_TRUE(host.ending());
  EXPECT_EQ(again, 3);
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(verdict_icons, std::set{QMessageBox::Question});
  EXPECT_TRUE(g.stopped);
  EXPECT_FALSE(desk.isVisible());
}

}  // namespace
}  // namespace blefino::testing
