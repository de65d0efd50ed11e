#include "fixture.h"

namespace blefino::testing {
namespace {

std::vector<int> lefts(const std::array<Slot, kHandSlots + 1>& slots, int n) {
  std::vector<int> out;
  for (int i = 1; i <= n; ++i) out.push_back(slots[i].left);
  return out;
}

Pile first_cards(int n) {
  Pile p;
  for (CardCode c : full_pack())
    if (p.count() < n) p.add(c);
  return p;
}

struct Drawing : ::testing::Test {
  Table t;
  void SetUp() override { t.position({}, {}, {}); }
  void human(int n) {
    t.g.player_cards = first_cards(n);
    draw_human_hand(t.g);
  }
  void cpu(int who, int n) {
    (who == 1 ? t.g.cpu1_cards : t.g.cpu2_cards) = first_cards(n);
    draw_cpu_hand(t.g, who);
  }
};

TEST_F(Drawing, TheHumanHandSpreadsOutThenSqueezesIntoItsRow) {
  human(12);
  EXPECT_EQ(lefts(t.g.m.koloda3, 12),
            (std::vector<int>{241, 982, 1724, 2466, 3207, 3949, 4691, 5432, 6174, 6916, 7657, 8399}));
  human(9);
  EXPECT_EQ(t.g.m.koloda3[2].left - t.g.m.koloda3[1].left, 1073);
  EXPECT_EQ(t.g.m.koloda3[9].left, 8825);
  human(10);
  EXPECT_EQ(t.g.m.koloda3[2].left, 1131);
  EXPECT_EQ(t.g.m.koloda3[10].left, 8251);
  human(11);
  EXPECT_EQ(lefts(t.g.m.koloda3, 11),
            (std::vector<int>{241, 1050, 1859, 2668, 3477, 4286, 5095, 5904, 6713, 7522, 8331}));
  human(36);
  EXPECT_EQ(t.g.m.koloda3[36].left, 8893);
  EXPECT_TRUE(t.g.m.koloda3[36].visible);
}

TEST_F(Drawing, OpponentsKeepToTheirOwnSideOfTheTable) {
  cpu(1, 12);
  EXPECT_EQ(lefts(t.g.m.koloda1, 12),
            (std::vector<int>{241, 599, 957, 1316, 1674, 2032, 2391, 2749, 3107, 3466, 3824, 4182}));
  cpu(2, 12);
  EXPECT_EQ(lefts(t.g.m.koloda2, 12), (std::vector<int>{6529, 6883, 7237, 7591, 7945, 8299, 8654,
                                                        9008, 9362, 9716, 10070, 10424}));
  cpu(1, 4);
  EXPECT_EQ(lefts(t.g.m.koloda1, 4), (std::vector<int>{241, 1314, 2387, 3460}));
  cpu(2, 4);
  EXPECT_EQ(lefts(t.g.m.koloda2, 4), (std::vector<int>{6529, 7602, 8675, 9748}));
  cpu(1, 5);
  EXPECT_EQ(t.g.m.koloda1[2].left, 1101);
  EXPECT_EQ(t.g.m.koloda1[5].left, 3681);
  cpu(2, 5);
  EXPECT_EQ(t.g.m.koloda2[5].left, 9929);
  cpu(1, 36);
  EXPECT_EQ(t.g.m.koloda1[36].left, 4421);
  cpu(2, 36);
  EXPECT_EQ(t.g.m.koloda2[36].left, 10660);
  EXPECT_EQ(t.g.m.koloda2[36].top, kOpponentRowTop);
}

TEST_F(Drawing, TheHumanHandIsKeptInDisplayOrder) {
  t.g.player_cards = pile({41, 19, 12, 21});
  draw_human_hand(t.g);
  EXPECT_EQ(codes(t.g.player_cards), (std::vector<int>{21, 41, 12, 19}));
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(t.g.m.koloda3[i].picture, t.g.player_cards.item(i));
}

TEST_F(Drawing, HiddenSlotsGoBackToTheRestingRow) {
  human(12);
  t.g.m.koloda3[12].top = kRaisedTop;
  t.g.m.koloda3[3].top = kRaisedTop;
  human(10);
  EXPECT_FALSE(t.g.m.koloda3[11].visible);
  EXPECT_EQ(t.g.m.koloda3[12].top, kRestingTop);
  EXPECT_EQ(t.g.m.koloda3[3].top, kRaisedTop);  // a shown slot keeps its height
  human(0);
  for (int i = 1; i <= kHandSlots; ++i) {
    EXPECT_FALSE(t.g.m.koloda3[i].visible);
    EXPECT_EQ(t.g.m.koloda3[i].top, kRestingTop);
  }
}

TEST_F(Drawing, FaceDownCardsShowTheCurrentBack) {
  t.g.m.Example.picture = back_picture(5);
  cpu(1, 3);
  human(3);
  t.g.kon_cards = pile({45, 35});
  draw_batch(t.g);
  EXPECT_EQ(t.g.m.koloda1[3].picture, 50);
  EXPECT_EQ(t.g.m.konpic[1].picture, 50);
  EXPECT_EQ(t.g.m.koloda3[1].picture, 11);
  reveal_batch(t.g);
  EXPECT_EQ(t.g.m.konpic[1].picture, 45);
  EXPECT_EQ(t.g.m.konpic[2].picture, 35);
  // Pictures past the batch's size are left as they were.
  t.g.m.konpic[3].picture = 77;
  draw_batch(t.g);
  EXPECT_EQ(t.g.m.konpic[3].picture, 77);
  clear_batch_pictures(t.g);
  EXPECT_EQ(t.g.m.konpic[3].picture, kNoPicture);
  redraw_table(t.g);
  EXPECT_EQ(t.g.m.heappic.picture, 50);
  EXPECT_EQ(t.g.m.otboypic.picture, 50);
}

}  // namespace
}  // namespace blefino::testing
