#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "fixture.h"
#include "skins.h"

using namespace blefino;
using TestGame = blefino::testing::Table;
using blefino::windows::Skins;

namespace {

// A dealt game with two cards face down on the stake.
void deal(TestGame& t, const std::string& skin) {
  t.g.settings.skin = skin;
  new_game(t.g);
  for (int i = 0; i < 2; ++i) {
    t.g.batch.add(t.g.hand(Seat::Cpu1).item(1));
    t.g.hand(Seat::Cpu1).remove(1);
  }
  t.g.batch_face_up = false;
}

// Every face-down picture on the table: the sample back, opponents' cards, the stake, heap, discard.
void expect_backs(const Game& game, int picture) {
  const TableModel g = table_view(game);
  EXPECT_EQ(g.Example.picture, picture);
  for (int i = 1; i <= game.hand(Seat::Cpu1).count(); ++i) EXPECT_EQ(g.koloda1[i].picture, picture);
  for (int i = 1; i <= game.hand(Seat::Cpu2).count(); ++i) EXPECT_EQ(g.koloda2[i].picture, picture);
  for (int i = 1; i <= game.batch.count(); ++i) EXPECT_EQ(g.konpic[i].picture, picture);
  EXPECT_EQ(g.heappic.picture, picture);
  EXPECT_EQ(g.otboypic.picture, picture);
  // The human's own cards stay face up.
  for (int i = 1; i <= game.hand(Seat::Human).count(); ++i) EXPECT_TRUE(is_valid_code(g.koloda3[i].picture)) << i;
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
    SCOPED_TRACE(::testing::Message() << "stored " << c.stored << ", tile " << c.tile);
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
      EXPECT_TRUE(t.host.saved.empty());
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
    ASSERT_EQ(t.host.saved.size(), c.saved ? 1u : 0u);
    if (c.saved) EXPECT_EQ(t.host.saved[0].skin, c.saved);
    new_game(t.g);
    EXPECT_EQ(table_view(t.g).Example.picture, c.next_game_back);
  }
}

TEST(Skins, AStoredBackWithoutAPictureDrawsBackOne) {
  TestGame t;
  for (const char* skin : {"18", "-1", "abc", ""}) {  // hand-edited settings
    t.g.settings.skin = skin;
    new_game(t.g);
    EXPECT_EQ(table_view(t.g).Example.picture, 10) << skin;
  }
}
