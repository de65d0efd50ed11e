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

// Every face-down picture on the table: the sample back, opponents' cards, the stake, heap, discard.
void expect_backs(const Game& g, int picture) {
  EXPECT_EQ(g.m.Example.picture, picture);
  for (int i = 1; i <= g.cpu1_cards.count(); ++i) EXPECT_EQ(g.m.koloda1[i].picture, picture);
  for (int i = 1; i <= g.cpu2_cards.count(); ++i) EXPECT_EQ(g.m.koloda2[i].picture, picture);
  for (int i = 1; i <= g.kon_cards.count(); ++i) EXPECT_EQ(g.m.konpic[i].picture, picture);
  EXPECT_EQ(g.m.heappic.picture, picture);
  EXPECT_EQ(g.m.otboypic.picture, picture);
  // The human's own cards stay face up.
  for (int i = 1; i <= g.player_cards.count(); ++i) EXPECT_TRUE(is_valid_code(g.m.koloda3[i].picture)) << i;
}

}  // namespace

TEST(Skins, EachWayOfLeavingTheChooserAndWhatTheNextGameDraws) {
  enum Way { PressThenOk, DoubleClick, EnterAlone, PressThenCloseBox };
  struct Case {
    const char* stored;
    Way way;
    int tile, table_back;
    const char* saved;  // nullptr: nothing saved
    int next_game_back;
  };
  const Case cases[] = {
      {"1", PressThenOk, 5, 50, "5", 50},
      {"1", PressThenOk, 17, 170, "17", 170},
      {"3", DoubleClick, 0, 0, "0", 0},
      // The preview opens at back 1 whatever is stored; OK alone shows it but keeps the number.
      {"7", EnterAlone, -1, 10, "7", 70},
      // Closed after a press: the table is left alone, yet the choice is remembered.
      {"2", PressThenCloseBox, 7, 20, nullptr, 70},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "stored " << c.stored << ", tile " << c.tile);
    TestGame t;
    deal(t, c.stored);
    Skins s(t.g);
    s.show();
    EXPECT_EQ(s.previewed(), 1);
    for (int k = 0; k < Skins::kBacks; ++k) EXPECT_FALSE(s.tile(k)->pixmap().isNull()) << k;
    const int shown = t.host.shown;
    if (c.tile >= 0) {
      QTest::mousePress(s.tile(c.tile), Qt::RightButton);  // any button
      EXPECT_EQ(s.previewed(), c.tile);
      EXPECT_EQ(t.g.settings.skin, std::to_string(c.tile));
      expect_backs(t.g, std::stoi(c.stored) * 10);  // nothing applied yet
      EXPECT_TRUE(t.host.saves.empty());
    }
    switch (c.way) {
      case PressThenOk: QTest::mouseClick(s.okButton(), Qt::LeftButton); break;
      case DoubleClick:
        QTest::mouseRelease(s.tile(c.tile), Qt::LeftButton);
        QTest::mouseDClick(s.tile(c.tile), Qt::LeftButton);
        break;
      case EnterAlone: QTest::keyClick(&s, Qt::Key_Return); break;
      case PressThenCloseBox: s.close(); break;
    }
    expect_backs(t.g, c.table_back);
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(s.result(), c.saved ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(t.host.shown > shown, c.saved != nullptr);
    ASSERT_EQ(t.host.saves.size(), c.saved ? 1u : 0u);
    if (c.saved) EXPECT_EQ(t.host.saves[0].skin, c.saved);
    new_game(t.g);
    EXPECT_EQ(t.g.m.Example.picture, c.next_game_back);
  }
}

TEST(Skins, AStoredBackWithoutAPictureDrawsBackOne) {
  TestGame t;
  for (const char* skin : {"18", "-1", "abc", ""}) {  // hand-edited settings
    t.g.settings.skin = skin;
    new_game(t.g);
    EXPECT_EQ(t.g.m.Example.picture, 10) << skin;
  }
}
