// The table window with the real game behind it: every control plays its move
// and the table shows the result.
#include <gtest/gtest.h>

#include <QTest>

#include "table/carddesk.h"
#include "tests/support/fixture.h"

namespace blefino::testing {
namespace {

// The human to move with 6♦ 6♥ 9♣ K♦ K♠, against TORVIK and DUKE LOPATSKY.
struct Played : Table {
  Played() {
    position({12, 22}, {13, 23}, {48, 18, 11, 21, 34}, 1, 4);
    hand_over_to_human(g);
    desk.showModel();
    desk.show();
  }
  QWidget* get(const char* name) { return desk.findChild<QWidget*>(QLatin1String(name)); }
  void click(const char* name) {
    QTest::mouseClick(get(name), Qt::LeftButton, {}, QPoint(10, get(name)->height() / 2));
  }
  void press(int slot, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(desk.table(), b, {}, desk.slotRect(3, slot).center());
  }
  std::string text(const char* name) {
    return get(name)->property("text").toString().simplified().toStdString();
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
  EXPECT_EQ(t.host.ended(), 1);

  // An honest claim of kings: believed, it goes out of play; doubted, the player takes it.
  for (auto [answer, verdict] : {std::pair{"veru", "DUKE LOPATSKY: Отбой"},
                                 std::pair{"neveru", "DUKE LOPATSKY: Вася, забирай"}}) {
    Played a;
    a.claim_made({38, 28}, 8, {16, 26});
    a.desk.showModel();
    a.click(answer);
    EXPECT_EQ(a.host.messages(), std::vector<std::string>{verdict});
    EXPECT_EQ(a.host.icons,
              std::vector<Icon>{Icon::Question});  // an opponent speaks with a question mark
  }
}

}  // namespace
}  // namespace blefino::testing
