#include "fixture.h"

namespace blefino::testing {
namespace {

// The human opens a round holding 12 cards.
struct HumanOpens : ::testing::Test {
  void SetUp() override {
    t.position({21, 22, 23}, {31, 32, 33}, {11, 12, 13, 14, 15, 16, 17, 18, 19, 41, 42, 43});
    hand_over_to_human(t.g);
  }
  Table t;
};

TEST_F(HumanOpens, FirstPressRaisesSecondLays) {
  press_card(t.g, 3);
  EXPECT_EQ(t.g.m.koloda3[3].top, kRaisedTop);
  EXPECT_EQ(t.g.m.koloda3[3].cursor, Cursor::HandPut);
  EXPECT_EQ(t.g.player_cards.count(), 12);
  press_card(t.g, 5);  // raising another lowers the first
  EXPECT_EQ(t.g.m.koloda3[3].top, kRestingTop);
  EXPECT_EQ(t.g.m.koloda3[3].cursor, Cursor::Hand);
  EXPECT_EQ(t.g.m.koloda3[5].top, kRaisedTop);
  EXPECT_TRUE(t.host.shown.empty());

  const CardCode card = t.g.player_cards.item(5);  // 41 (six of spades) sorts... read it back
  press_card(t.g, 5);
  EXPECT_EQ(t.g.player_cards.count(), 11);
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{card});
  EXPECT_EQ(t.g.m.konpic[1].picture, card);  // face up, whatever show_cards says
  EXPECT_TRUE(t.g.m.mainbutton.enabled);
  EXPECT_EQ(selected_rank(t.g), rank_of(card));
  EXPECT_EQ(t.g.m.koncard.caption, std::string(kRankCaptions[rank_of(card)]));
  // The raised place keeps its height and shows the next card: one press lays it.
  EXPECT_EQ(t.g.m.koloda3[5].top, kRaisedTop);
  press_card(t.g, 5);
  EXPECT_EQ(t.g.kon_cards.count(), 2);
}

TEST_F(HumanOpens, AClaimNeedNotMatchAndTheLastActionDecides) {
  press_card(t.g, 4);
  press_card(t.g, 4);  // the nine of diamonds (display order: 11, 41, 12, 42, 13, 43, 14 ...)
  EXPECT_EQ(t.g.kon_cards.item(1), 42);
  EXPECT_EQ(t.g.m.koncard.caption, "Семёрка");
  click_rank(t.g, 9);
  EXPECT_EQ(selected_rank(t.g), 9);
  EXPECT_EQ(t.g.m.koncard.caption, "Туз");
  press_card(t.g, 1);
  press_card(t.g, 1);
  EXPECT_EQ(selected_rank(t.g), 1);
}

TEST_F(HumanOpens, AFifthCardIsRefusedAndNothingMoves) {
  for (int i = 0; i < 4; ++i) {
    if (t.g.m.koloda3[1].top >= kRaisedBelow) press_card(t.g, 1);
    press_card(t.g, 1);
  }
  ASSERT_EQ(t.g.kon_cards.count(), 4);
  const Pile hand = t.g.player_cards;
  press_card(t.g, 2);
  press_card(t.g, 2);
  ASSERT_EQ(t.host.shown.size(), 1u);
  EXPECT_EQ(t.host.shown[0].text, "Больше нельзя!!!");
  EXPECT_EQ(t.host.shown[0].title, "Блефино");
  EXPECT_EQ(t.host.shown[0].icon, Icon::Information);
  EXPECT_EQ(t.host.shown[0].buttons, Buttons::Ok);
  EXPECT_EQ(t.g.player_cards, hand);
  EXPECT_EQ(t.g.kon_cards.count(), 4);
  EXPECT_EQ(t.g.m.koloda3[2].top, kRaisedTop);  // still raised, still in the hand
}

TEST_F(HumanOpens, EveryPressNamesTheNextMover) {
  press_card(t.g, 1);
  EXPECT_EQ(t.g.next_mover, 1);
  t.g.cpu1_out = true;
  press_card(t.g, 2);
  EXPECT_EQ(t.g.next_mover, 2);
}

TEST_F(HumanOpens, TheMainButtonStartsTheNextMover) {
  press_card(t.g, 1);
  press_main(t.g);  // not enabled yet: nothing laid
  EXPECT_TRUE(t.recorder.moves.empty());
  press_card(t.g, 1);
  press_main(t.g);
  EXPECT_EQ(t.recorder.moves, std::vector<int>{1});
  EXPECT_EQ(t.g.m.mainbutton.cursor, Cursor::HandPut);

  t.g.next_mover = 3;
  t.g.m.mainbutton.enabled = true;
  press_main(t.g);
  EXPECT_EQ(t.g.m.Conversation3.caption, "Ваш ход");
  EXPECT_FALSE(t.g.m.mainbutton.enabled);

  t.g.next_mover = 7;
  t.g.m.mainbutton.enabled = true;
  t.g.heap_cards.add(44);
  press_main(t.g);  // only the counts are refreshed
  EXPECT_EQ(t.recorder.moves.size(), 1u);
  EXPECT_EQ(t.g.m.in_heap.caption, " 1");
}

TEST_F(HumanOpens, DisabledCardsAndHiddenSlotsIgnorePresses) {
  lock_controls(t.g, "my_cards", true);
  press_card(t.g, 1);
  EXPECT_EQ(t.g.m.koloda3[1].top, kRestingTop);
  EXPECT_TRUE(t.g.player_pick.empty());
  lock_controls(t.g, "my_cards", false);
  press_card(t.g, 13);
  press_card(t.g, 0);
  press_card(t.g, 99);
  EXPECT_TRUE(t.g.player_pick.empty());
}

TEST_F(HumanOpens, TheUnlockSequenceOnlyCountsTheFirstClicksOfAGame) {
  EXPECT_FALSE(t.g.m.Command1.visible);
  for (int i = 0; i < 4; ++i) press_card(t.g, kUnlockSequence[static_cast<std::size_t>(i)]);
  EXPECT_FALSE(t.g.m.Command1.visible);
  press_card(t.g, kUnlockSequence[4]);
  EXPECT_TRUE(t.g.m.Command1.visible);
}

TEST_F(HumanOpens, TheUnlockSequenceLateInTheGameDoesNothing) {
  for (int i = 0; i < 5; ++i) press_card(t.g, 2);
  for (int p : kUnlockSequence) press_card(t.g, p);
  EXPECT_EQ(t.g.player_pick.count(), 6);
  EXPECT_FALSE(t.g.m.Command1.visible);
}

TEST(HumanAnswers, LayingOnAClaimAcceptsItAndKeepsTheRank) {
  Table t;
  t.position({21, 22}, {31, 32}, {11, 12, 13});
  t.claim({44, 45}, 4, {26});
  press_card(t.g, 1);
  press_card(t.g, 1);
  EXPECT_EQ(codes(t.g.heap_cards), (std::vector<int>{26, 44, 45}));
  EXPECT_EQ(t.g.m.in_heap.caption, " 3");
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{11});
  EXPECT_FALSE(t.g.m.veru.visible);
  EXPECT_FALSE(t.g.m.neveru.visible);
  EXPECT_EQ(t.g.player_veru_count, 1);
  EXPECT_EQ(selected_rank(t.g), 4);  // the rank buttons stay locked
  EXPECT_EQ(t.g.m.konpic[1].picture, 11);
  EXPECT_EQ(t.g.m.konpic[2].picture, kNoPicture);
}

TEST(ShowCards, FlipsTheOpponentsCardsAndTheBatch) {
  Table t;
  t.g.open_cards_allowed = true;
  t.position({21, 22}, {31}, {11});
  t.g.kon_cards = pile({45});
  draw_batch(t.g);
  EXPECT_EQ(t.g.m.konpic[1].picture, back_picture(1));
  press_show_cards(t.g);
  EXPECT_EQ(t.g.m.Command1.caption, "Закрыть карты");
  EXPECT_EQ(t.g.m.koloda1[2].picture, 22);
  EXPECT_EQ(t.g.m.koloda2[1].picture, 31);
  EXPECT_EQ(t.g.m.konpic[1].picture, 45);
  press_show_cards(t.g);
  EXPECT_EQ(t.g.m.Command1.caption, "Открыть карты");
  EXPECT_EQ(t.g.m.koloda1[2].picture, back_picture(1));
  EXPECT_EQ(t.g.m.konpic[1].picture, back_picture(1));

  press_show_cards(t.g);
  new_game(t.g);  // a new game closes them again, and the first press opens them
  EXPECT_FALSE(t.g.show_cards);
  EXPECT_EQ(t.g.m.Command1.caption, "Открыть карты");
  press_show_cards(t.g);
  EXPECT_TRUE(t.g.show_cards);
}

}  // namespace
}  // namespace blefino::testing
