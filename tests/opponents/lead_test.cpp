#include "fixture.h"
#include "opponent.h"

namespace blefino::testing {
namespace {

constexpr double kRnd = 0.3;      // cpu_rnd 3: no effect on a lead
constexpr double kHonest = 0.3;   // opponent 1: round(2.7) = 3 < 7
constexpr double kBluff = 0.8;    // opponent 1: round(7.2) = 7

struct Lead : ::testing::Test {
  Table t;
  void SetUp() override { t.position({}, {}, {11}); }
  // Opponent `who` opens a round holding `hand`.
  Next leads(int who, std::initializer_list<int> hand, std::initializer_list<double> rolls) {
    (who == 1 ? t.g.cpu1_cards : t.g.cpu2_cards) = pile(hand);
    t.g.kon_cards.clear();
    t.g.cpu1_laid.clear();
    t.g.cpu2_laid.clear();
    t.rng.values.clear();
    t.rng.push({kRnd});
    t.rng.push(rolls);
    Next next = opponent_move(t.g, who == 1 ? cpu1_params() : cpu2_params());
    EXPECT_TRUE(t.rng.values.empty()) << "rolls left over";
    return next;
  }
};

TEST_F(Lead, FourOfARankAreClaimedAndLaidHonestlyOrShuffledInABluff) {
  EXPECT_EQ(leads(1, {15, 25, 35, 45, 11}, {kHonest}), Next::Cpu2);
  EXPECT_EQ(selected_rank(t.g), 5);
  EXPECT_EQ(t.g.m.koncard.caption, "Десятка");
  EXPECT_EQ(t.g.m.Conversation1.caption, "Я хожу");
  EXPECT_EQ(codes(t.g.kon_cards), (std::vector<int>{45, 35, 25, 15}));
  EXPECT_EQ(codes(t.g.cpu1_laid), (std::vector<int>{45, 35, 25, 15}));
  EXPECT_EQ(codes(t.g.cpu1_cards), std::vector<int>{11});
  EXPECT_EQ(t.g.m.konpic[4].picture, back_picture(1));

  leads(1, {15, 25, 35, 45, 11}, {kBluff});
  EXPECT_EQ(selected_rank(t.g), 5);
  EXPECT_EQ(codes(t.g.kon_cards), (std::vector<int>{11, 45, 35, 25}));
  EXPECT_EQ(codes(t.g.cpu1_cards), std::vector<int>{15});
  EXPECT_EQ(t.g.stats.opponents[1].leads, 2u);
  EXPECT_EQ(t.g.stats.opponents[1].lead_bluffs, 1u);
}

TEST_F(Lead, AFourBeatsTriplesAndTheEarlierFourWins) {
  leads(1, {12, 22, 32, 17, 27, 37, 47, 13, 23, 33}, {kHonest});
  EXPECT_EQ(selected_rank(t.g), 7);
  EXPECT_EQ(t.g.kon_cards.count(), 4);
  leads(1, {19, 16, 26, 36, 46, 15, 25, 35, 45}, {kHonest});
  EXPECT_EQ(selected_rank(t.g), 6);
  EXPECT_EQ(codes(t.g.kon_cards), (std::vector<int>{46, 36, 26, 16}));
}

TEST_F(Lead, TriplesThenPairsAreChosenAtRandom) {
  // Two triples: round(1 + r) picks entry 1 or 2.
  leads(2, {12, 22, 32, 14, 24, 34, 19}, {0.5, 0.4});  // round(1.5) = 2: the nines
  EXPECT_EQ(selected_rank(t.g), 4);
  EXPECT_EQ(codes(t.g.kon_cards), (std::vector<int>{34, 24, 14}));
  leads(2, {12, 22, 32, 14, 24, 34, 19}, {0.4, 0.4});
  EXPECT_EQ(selected_rank(t.g), 2);
  // Pairs only: two cards of one of the paired ranks.
  leads(2, {12, 22, 15, 25, 19}, {0.2, 0.4});
  EXPECT_EQ(codes(t.g.kon_cards), (std::vector<int>{22, 12}));
  EXPECT_EQ(t.g.m.Conversation2.caption, "Я хожу");
}

TEST_F(Lead, WithoutAPairTheRankOfOneCardIsClaimed) {
  leads(1, {11, 22, 33}, {0.5, kHonest});  // round(2) = 2: the seven
  EXPECT_EQ(selected_rank(t.g), 2);
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{22});
  leads(1, {11, 22, 33}, {0.25, kBluff});  // round(1.5) = 2 again; the bluff lays the last card
  EXPECT_EQ(selected_rank(t.g), 2);
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{33});
  EXPECT_EQ(codes(t.g.cpu1_cards), (std::vector<int>{11, 22}));
  leads(1, {11, 22, 33}, {0.2, kHonest});  // round(1.4) = 1
  EXPECT_EQ(selected_rank(t.g), 1);
}

TEST_F(Lead, OpponentTwoBluffsInItsLeadByTheHumansRecord) {
  leads(2, {11, 22, 33}, {0.0, 0.6});  // no record yet: round(0.6) = 1 > 0
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{33});
  leads(2, {11, 22, 33}, {0.0, 0.4});
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{11});
  t.g.player_neveru_count = 2;  // a human who only ever doubted
  leads(2, {11, 22, 33}, {0.0, 0.99});
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{11});
}

TEST_F(Lead, AnEmptyHandSaysItsLineLaysNothingAndPassesOn) {
  select_rank(t.g, 8);
  t.rng.values.clear();
  t.rng.push({kRnd});
  EXPECT_EQ(opponent_move(t.g, cpu2_params()), Next::Human);
  EXPECT_EQ(t.g.m.Conversation2.caption, "Я хожу");
  EXPECT_TRUE(t.g.kon_cards.empty());
  EXPECT_EQ(selected_rank(t.g), 8);
  EXPECT_EQ(t.host.pauses, 1);
  EXPECT_EQ(t.g.stats.opponents[2].leads, 0u);
}

}  // namespace
}  // namespace blefino::testing
