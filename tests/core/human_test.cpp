// The human's hand, claim, main button and show-cards button.
#include "tests/support/fixture.h"

namespace blefino::testing {
namespace {

// Hands: opponent 1, opponent 2, the human (shown sorted: 6♦ 6♥ 9♣ K♦ K♠).
void opening(Table& t) {
  t.position({12, 22, 32}, {13, 23, 33}, {48, 18, 11, 21, 34});
  hand_over_to_human(t.g);
}

TEST(HumanMove, FirstPressLiftsSecondLaysAndNamesTheClaim) {
  Table t;
  opening(t);
  const TableModel unclaimed = t.view();  // rank 1 stands in, but nobody has claimed it
  EXPECT_EQ(unclaimed.koncard.caption, "");
  for (int k = 1; k <= 9; ++k) EXPECT_FALSE(unclaimed.Option1[k].selected) << k;
  press_card(t.g, 3);
  EXPECT_EQ(t.view().koloda3[3].top, kRaisedTop);
  EXPECT_EQ(t.g.batch.count(), 0);
  press_card(t.g, 3);  // 9♣
  EXPECT_EQ(codes(t.g.batch), (std::vector<int>{34}));
  TableModel m = t.view();
  EXPECT_EQ(m.koncard.caption, "Девятка");
  EXPECT_TRUE(m.Option1[4].selected);
  EXPECT_EQ(m.konpic[1].picture, 34);  // the human sees its own card
  EXPECT_TRUE(can_press_main(t.g));
  // The card slid into the lifted place waits for a press of its own.
  EXPECT_EQ(m.koloda3[3].top, kRestingTop);
  EXPECT_EQ(m.koloda3[3].picture, 18);
  // A bluff: any enabled rank may be claimed after laying.
  click_rank(t.g, 9);
  EXPECT_EQ(t.view().koncard.caption, "Туз");
  press_main(t.g);
  EXPECT_EQ(t.recorder.moves, (std::vector<Seat>{Seat::Cpu1}));
  // A card lifted when the game ends does not stay lifted in the next hand.
  hand_over_to_human(t.g);
  press_card(t.g, 2);
  new_game(t.g);
  const TableModel dealt = t.view();
  for (int i = 1; i <= kHandSlots; ++i) EXPECT_EQ(dealt.koloda3[i].top, kRestingTop) << i;
}

TEST(HumanMove, AFifthCardIsRefusedAndTheMovePassesOverAPlayerWhoIsOut) {
  Table t;
  opening(t);
  // Two presses a card: four cards, then the fifth is refused.
  for (int i = 0; i < 10; ++i) press_card(t.g, 1);
  EXPECT_EQ(t.g.batch.count(), 4);
  EXPECT_EQ(t.g.hand(Seat::Human).count(), 1);
  EXPECT_EQ(t.host.messages(), (std::vector<std::string>{"Блефино: Больше нельзя!!!"}));
  t.g.seat(Seat::Cpu1).out = true;
  press_card(t.g, 1);
  press_main(t.g);
  EXPECT_EQ(t.recorder.moves, (std::vector<Seat>{Seat::Cpu2}));
}

TEST(HumanMove, LayingOnAClaimAcceptsItUnderTheSameRank) {
  Table t;
  t.position({12, 22}, {13, 23}, {48, 18, 11});
  t.claim_made({44, 43}, 8);
  EXPECT_FALSE(can_pick_rank(t.g, 1));
  t.lay(1);
  EXPECT_EQ(codes(t.g.heap), (std::vector<int>{44, 43}));
  EXPECT_EQ(codes(t.g.batch), (std::vector<int>{11}));
  EXPECT_EQ(t.view().koncard.caption, "Король");  // the claim stands
  EXPECT_FALSE(can_answer(t.g));
  EXPECT_EQ(t.view().in_heap.caption, " 2");
}

TEST(HumanMove, OnlyTheFirstClicksOfAGameInTheSecretOrderOfferTheOpponentsCards) {
  // Every click counts, a lay as well as a raise: the fifth click here lays card 12.
  const std::vector<std::vector<int>> orders = {
      {1, 12, 1, 12, 6}, {1, 12, 1, 12, 5}, {2, 1, 12, 1, 12, 6}, {1, 12, 1, 12, 12, 6}};
  for (const auto& order : orders) {
    Table t;
    t.rng.values.assign(36, 0.5);
    t.rng.push({0.5, 0.0, 0.9});  // the human begins with 12 cards
    new_game(t.g);
    for (int i : order) press_card(t.g, i);
    const bool offered = order == orders[0];
    EXPECT_EQ(t.view().Command1.visible, offered);
    if (!offered) continue;
    press_show_cards(t.g);
    const TableModel m = t.view();
    EXPECT_EQ(m.Command1.caption, "Закрыть карты");
    EXPECT_EQ(m.koloda1[1].picture, t.g.hand(Seat::Cpu1).item(1));
  }
}

TEST(HumanMove, TheChosenBackCoversEveryFaceDownCard) {
  Table t;
  opening(t);
  choose_back(t.g, 7);
  choose_back(t.g, 18);  // no such back: nothing changes
  const TableModel m = t.view();
  EXPECT_EQ(m.koloda2[1].picture, back_picture(7));
  EXPECT_EQ(m.Example.picture, back_picture(7));
  t.g.settings.skin = "x";
  new_game(t.g);
  EXPECT_EQ(t.view().heappic.picture, back_picture(1));
}

}  // namespace
}  // namespace blefino::testing
