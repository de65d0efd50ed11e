#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "fake_host.h"
#include "skins.h"

using namespace blefino;
using blefino::fakes::TestGame;
using blefino::windows::Skins;

namespace {

// A dealt game with two cards face down on the stake.
void deal(TestGame& t, const std::string& skin) {
  t.g.settings.skin = skin;
  new_game(t.g);
  for (int i = 0; i < 2; ++i) {
    t.g.kon_cards.add(t.g.cpu1_cards.item(1));
    t.g.cpu1_cards.remove(1);
  }
  redraw_table(t.g);
  draw_batch(t.g);
}

// Every face-down picture on the table: opponents' cards, the batch, heap, discard.
void expect_backs(const Game& g, int picture) {
  for (int i = 1; i <= g.cpu1_cards.count(); ++i) EXPECT_EQ(g.m.koloda1[i].picture, picture);
  for (int i = 1; i <= g.cpu2_cards.count(); ++i) EXPECT_EQ(g.m.koloda2[i].picture, picture);
  for (int i = 1; i <= g.kon_cards.count(); ++i) EXPECT_EQ(g.m.konpic[i].picture, picture);
  EXPECT_EQ(g.m.heappic.picture, picture);
  EXPECT_EQ(g.m.otboypic.picture, picture);
  // The human's own cards stay face up.
  for (int i = 1; i <= g.player_cards.count(); ++i)
    EXPECT_TRUE(is_valid_code(g.m.koloda3[i].picture)) << i;
}

}  // namespace

TEST(Skins, EighteenTilesInASixByThreeGridAndBackOneUnderTheCaption) {
  TestGame t;
  deal(t, "9");
  Skins s(t.g);
  s.show();
  EXPECT_EQ(s.windowTitle(), QStringLiteral("Рубашки"));
  EXPECT_EQ(s.findChild<QLabel*>("Label1")->text(), QStringLiteral("Выбранная"));
  for (int k = 0; k < Skins::kBacks; ++k) {
    SCOPED_TRACE(k);
    const QRect r = s.tile(k)->geometry();
    EXPECT_EQ(r.topLeft(), QPoint(8 + 56 * (k % 6), 8 + 72 * (k / 6)));
    EXPECT_EQ(r.size(), QSize(50, 67));
    EXPECT_FALSE(s.tile(k)->pixmap().isNull());
  }
  // Whatever the table shows, the preview opens at back 1.
  EXPECT_EQ(s.previewed(), 1);
  EXPECT_TRUE(s.okButton()->isDefault());
}

TEST(Skins, PressingTileFiveThenOkPutsBackFiveOnTheTableAndSavesIt) {
  TestGame t;
  deal(t, "1");
  Skins s(t.g);
  s.show();
  QTest::mousePress(s.tile(5), Qt::RightButton);  // any button
  EXPECT_EQ(s.previewed(), 5);
  EXPECT_EQ(t.g.settings.skin, "5");
  EXPECT_EQ(t.g.m.Example.picture, 10);  // nothing applied yet
  EXPECT_TRUE(t.host.saves.empty());

  QTest::mouseClick(s.okButton(), Qt::LeftButton);
  EXPECT_EQ(t.g.m.Example.picture, 50);
  expect_backs(t.g, 50);
  ASSERT_EQ(t.host.saves.size(), 1u);
  EXPECT_EQ(t.host.saves[0].skin, "5");
  EXPECT_GE(t.host.shown, 1);
  EXPECT_EQ(s.result(), QDialog::Accepted);
  EXPECT_FALSE(s.isVisible());
}

TEST(Skins, DoubleClickOnTileZeroAppliesAndStoresBackZero) {
  TestGame t;
  deal(t, "3");
  Skins s(t.g);
  s.show();
  QTest::mousePress(s.tile(0), Qt::LeftButton);
  QTest::mouseRelease(s.tile(0), Qt::LeftButton);
  QTest::mouseDClick(s.tile(0), Qt::LeftButton);
  EXPECT_EQ(t.g.m.Example.picture, 0);
  expect_backs(t.g, 0);
  ASSERT_EQ(t.host.saves.size(), 1u);
  EXPECT_EQ(t.host.saves[0].skin, "0");
  EXPECT_EQ(s.result(), QDialog::Accepted);
}

TEST(Skins, OkWithoutAPressShowsBackOneButKeepsAndSavesTheStoredNumber) {
  TestGame t;
  deal(t, "7");
  EXPECT_EQ(t.g.m.Example.picture, 70);
  Skins s(t.g);
  s.show();
  QTest::keyClick(&s, Qt::Key_Return);  // Enter presses OK
  expect_backs(t.g, 10);
  ASSERT_EQ(t.host.saves.size(), 1u);
  EXPECT_EQ(t.host.saves[0].skin, "7");
  // The next deal draws back 7 again.
  new_game(t.g);
  EXPECT_EQ(t.g.m.Example.picture, 70);
}

TEST(Skins, CloseBoxAfterAPressKeepsTheTableButTheNextGameUsesTheBack) {
  TestGame t;
  deal(t, "2");
  Skins s(t.g);
  s.show();
  QTest::mousePress(s.tile(7), Qt::LeftButton);
  s.close();
  EXPECT_EQ(s.result(), QDialog::Rejected);
  expect_backs(t.g, 20);
  EXPECT_TRUE(t.host.saves.empty());
  EXPECT_EQ(t.g.settings.skin, "7");
  new_game(t.g);
  EXPECT_EQ(t.g.m.Example.picture, 70);
}

TEST(Skins, TheLastTileAndABackWithoutAPicture) {
  TestGame t;
  deal(t, "1");
  Skins s(t.g);
  s.show();
  QTest::mousePress(s.tile(17), Qt::LeftButton);
  QTest::mouseClick(s.okButton(), Qt::LeftButton);
  expect_backs(t.g, 170);
  EXPECT_EQ(t.host.saves.at(0).skin, "17");

  // A stored number with no picture (hand-edited settings) shows back 1.
  for (const char* skin : {"18", "-1", "abc", ""}) {
    SCOPED_TRACE(skin);
    t.g.settings.skin = skin;
    new_game(t.g);
    EXPECT_EQ(t.g.m.Example.picture, 10);
  }
}
