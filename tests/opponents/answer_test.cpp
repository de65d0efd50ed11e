#include "fixture.h"
#include "opponent.h"

namespace blefino::testing {
namespace {

// Rolls that round(9 × r) turns into a given cpu_rnd.
constexpr double kRnd0 = 0.0, kRnd3 = 0.3, kRnd7 = 0.8;

struct Opponent : ::testing::Test {
  Table t;
  void SetUp() override { t.position({21, 22, 23}, {31, 32, 33}, {11, 12, 13}, 4, 6); }
  // The player before `who` has laid `batch` claiming `rank`.
  void claimed(std::initializer_list<int> batch, int rank) {
    t.g.kon_cards = pile(batch);
    select_rank(t.g, rank);
  }
  Next move(int who, std::initializer_list<double> rolls) {
    t.rng.values.clear();
    t.rng.push(rolls);
    Next next = opponent_move(t.g, who == 1 ? cpu1_params() : cpu2_params());
    EXPECT_TRUE(t.rng.values.empty()) << "rolls left over";
    return next;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const Shown& s : t.host.shown) out.push_back(s.title + ": " + s.text);
    return out;
  }
};

TEST_F(Opponent, EachMoveClearsTheOtherLinesLocksTheHumanAndMovesTheMarker) {
  t.g.m.Conversation1.caption = "Верю!";
  t.g.m.Conversation2.caption = "x";
  t.g.m.Conversation3.caption = "Ваш ход";
  hand_over_to_human(t.g);
  claimed({15}, 5);  // opponent 1 holds no ten: it answers, believes, and the round is discarded
  move(1, {kRnd3, 0.9});
  EXPECT_EQ(t.g.m.Conversation2.caption, "");
  EXPECT_EQ(t.g.m.Conversation3.caption, "");
  EXPECT_FALSE(t.g.m.koloda3[1].enabled);
  EXPECT_FALSE(t.g.m.Option1[1].enabled);
  EXPECT_EQ(t.g.m.Chesspiece.left, 5562);
  EXPECT_EQ(t.g.m.Chesspiece.top, 2849);
  EXPECT_EQ(t.g.cpu_rnd, 3);

  t.g.m.Conversation1.caption = "Я хожу";
  move(2, {kRnd7, 0.0, 0.0});  // a lead: which card, whether to bluff
  EXPECT_EQ(t.g.m.Conversation1.caption, "");
  EXPECT_EQ(t.g.m.Chesspiece.left, 6046);
  EXPECT_EQ(t.g.cpu_rnd, 7);
}

TEST_F(Opponent, OpponentOneRefusesAClaimItsCountProvesImpossible) {
  t.g.cpu1_cards = pile({18, 28, 11});
  t.g.player_cards = pile({12});
  claimed({38, 48, 13}, 8);  // three kings claimed while it holds two: a lie
  const Next next = move(1, {kRnd0});
  EXPECT_EQ(t.g.m.Conversation1.caption, "Не верю!");
  EXPECT_EQ(texts(), std::vector<std::string>{"DUKE LOPATSKY: Вася, забирай"});
  EXPECT_EQ(codes(t.g.player_cards), (std::vector<int>{12, 13, 38, 48}));
  EXPECT_EQ(t.g.cpu1_count_b, 1);
  EXPECT_EQ(next, Next::Cpu1);  // it opens the next round itself
  EXPECT_EQ(t.g.stats.opponents[1].impossible, 1u);
  EXPECT_EQ(t.g.stats.opponents[1].neveru, 0u);
}

TEST_F(Opponent, TheImpossibleClaimCountsWhatItSawDiscarded) {
  t.g.cpu1_known = pile({19, 29});
  claimed({39, 49, 19}, 9);  // honest, yet three more aces than it thinks exist
  const Next next = move(1, {kRnd3});
  EXPECT_EQ(texts(), std::vector<std::string>{"DUKE LOPATSKY: Я беру"});
  EXPECT_EQ(codes(t.g.cpu1_cards), (std::vector<int>{21, 22, 23, 39, 49, 19}));
  EXPECT_EQ(t.g.cpu1_count_a, 1);
  EXPECT_EQ(next, Next::Cpu2);  // it was wrong: the move passes on after the pause
  EXPECT_EQ(t.host.pauses, 1);
}

TEST_F(Opponent, TheImpossibleClaimCanFireOnAnEmptyBatch) {
  t.g.cpu1_known = pile({15, 15, 25, 25, 35});
  select_rank(t.g, 5);
  const Next next = move(1, {kRnd3});
  EXPECT_EQ(texts(), std::vector<std::string>{"DUKE LOPATSKY: Я беру"});
  EXPECT_EQ(t.g.cpu1_count_a, 1);
  EXPECT_EQ(t.g.cpu1_cards.count(), 3);
  EXPECT_EQ(next, Next::Cpu2);
}

TEST_F(Opponent, HonestAddLaysEveryCardOfTheRankFromTheEnd) {
  t.g.cpu1_cards = pile({16, 35, 26, 46});
  t.g.heap_cards = pile({44});
  claimed({36}, 6);
  const Next next = move(1, {kRnd3});
  EXPECT_EQ(t.g.m.Conversation1.caption, "Добавляю...");
  EXPECT_EQ(codes(t.g.kon_cards), (std::vector<int>{46, 26, 16}));
  EXPECT_EQ(codes(t.g.cpu1_laid), (std::vector<int>{46, 26, 16}));
  EXPECT_EQ(codes(t.g.cpu1_cards), std::vector<int>{35});
  EXPECT_EQ(codes(t.g.heap_cards), (std::vector<int>{44, 36}));
  EXPECT_EQ(t.g.m.in_heap.caption, " 2");
  EXPECT_EQ(t.g.m.konpic[1].picture, back_picture(1));
  EXPECT_FALSE(t.g.m.koloda1[2].visible);
  EXPECT_EQ(next, Next::Cpu2);
  EXPECT_TRUE(t.host.shown.empty());
}

TEST_F(Opponent, EndAddBluffsWithTheLastCardsOfTheHand) {
  t.g.cpu1_cards = pile({21, 33, 17, 44, 26});
  claimed({16}, 6);
  move(1, {kRnd7});
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{26});

  t.g.cpu1_cards = pile({21, 33, 17, 44, 26});
  claimed({13}, 3);
  move(1, {kRnd7});
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{26});  // the 26, not the 33
  EXPECT_EQ(codes(t.g.cpu1_cards), (std::vector<int>{21, 33, 17, 44}));
  EXPECT_EQ(t.g.stats.opponents[1].add_bluffs, 2u);
}

TEST_F(Opponent, OpponentTwoBluffsByTheHumansRecord) {
  auto adds_with = [&](int veru, int neveru, double roll) {
    t.g.player_veru_count = static_cast<std::int16_t>(veru);
    t.g.player_neveru_count = static_cast<std::int16_t>(neveru);
    t.g.cpu2_cards = pile({21, 17});
    claimed({41}, 1);
    move(2, {kRnd3, roll});
    return codes(t.g.kon_cards) == std::vector<int>{17};  // bluffed with its last card
  };
  EXPECT_TRUE(adds_with(0, 0, 0.6));    // round(0.6) = 1 > 0
  EXPECT_FALSE(adds_with(0, 0, 0.5));   // round(0.5) = 0
  EXPECT_FALSE(adds_with(0, 5, 0.99));  // never while the human has let nothing stand
  EXPECT_TRUE(adds_with(3, 1, 0.375));  // round(1.5) = 2 > 1
  EXPECT_FALSE(adds_with(3, 1, 0.3));   // round(1.2) = 1
  // The sum of two full counters does not overflow.
  EXPECT_TRUE(adds_with(32767, 32767, 0.9999));
  EXPECT_FALSE(adds_with(32767, 32767, 0.4));
}

TEST_F(Opponent, BlindAddLaysTheFirstCardsOfTheHand) {
  t.g.cpu2_cards = pile({21, 32, 43});
  claimed({15}, 5);
  move(2, {kRnd0, 0.3});  // x = 3 < 4: two cards
  EXPECT_EQ(codes(t.g.kon_cards), (std::vector<int>{32, 21}));
  EXPECT_EQ(codes(t.g.cpu2_cards), std::vector<int>{43});
  EXPECT_EQ(t.g.m.Conversation2.caption, "Добавляю...");

  t.g.cpu2_cards = pile({21, 32, 43});
  claimed({15}, 5);
  move(2, {kRnd0, 0.45});  // x = 4: one card
  EXPECT_EQ(codes(t.g.kon_cards), std::vector<int>{21});

  t.g.cpu2_cards = pile({21, 32});
  claimed({15}, 5);
  EXPECT_EQ(move(2, {kRnd0, 0.0}), Next::Human);
  EXPECT_TRUE(t.g.cpu2_cards.empty());
  EXPECT_EQ(t.g.stats.opponents[2].blind_adds, 3u);
}

TEST_F(Opponent, OpponentOneBelievesByItsRecord) {
  auto believes = [&](int a, int b, double roll) {
    t.g.cpu1_count_a = static_cast<std::int16_t>(a);
    t.g.cpu1_count_b = static_cast<std::int16_t>(b);
    t.g.cpu1_cards = pile({21});
    claimed({15}, 5);
    move(1, {kRnd3, roll});
    return t.g.cpu1_flag;
  };
  EXPECT_TRUE(believes(0, 0, 0.6));
  EXPECT_FALSE(believes(0, 0, 0.5));
  EXPECT_FALSE(believes(0, 4, 0.99));  // no true batch seen yet: doubts everything
  EXPECT_TRUE(believes(3, 1, 0.375));  // round(1.5) = 2 > 1
  EXPECT_FALSE(believes(3, 1, 0.3));
  EXPECT_FALSE(believes(3, 1, 0.125));  // round(0.5) = 0
}

TEST_F(Opponent, OpponentTwoDoubtsOnAHighRoll) {
  claimed({15}, 5);
  move(2, {0.72});
  EXPECT_TRUE(t.g.cpu2_flag);
  EXPECT_EQ(t.g.m.Conversation2.caption, "Верю!");
  claimed({15}, 5);
  move(2, {0.7223});
  EXPECT_FALSE(t.g.cpu2_flag);
  EXPECT_EQ(t.g.m.Conversation2.caption, "Не верю!");
}

TEST_F(Opponent, BelievedTrueBatchesGoOutOfPlayAndIntoMemory) {
  t.g.heap_cards = pile({16, 17});
  t.g.cpu1_laid = pile({17});
  t.g.cpu2_laid = pile({});
  claimed({25, 35}, 5);
  EXPECT_EQ(move(1, {kRnd3, 0.6}), Next::Cpu1);  // no record yet: believes
  EXPECT_EQ(texts(), std::vector<std::string>{"DUKE LOPATSKY: Отбой"});
  EXPECT_EQ(codes(t.g.otboy_cards), (std::vector<int>{25, 35, 16, 17}));
  EXPECT_EQ(codes(t.g.cpu1_known), (std::vector<int>{25, 35, 17}));
  EXPECT_EQ(codes(t.g.cpu2_known), (std::vector<int>{25, 35}));
  EXPECT_EQ(t.g.m.in_otboy.caption, " 4");
  EXPECT_TRUE(t.g.cpu1_laid.empty());

  t.host.shown.clear();
  t.g.cpu1_laid = pile({14});
  claimed({45}, 5);
  EXPECT_EQ(move(2, {kRnd3}), Next::Cpu2);
  EXPECT_EQ(texts(), std::vector<std::string>{"LILA: Отбой"});
  EXPECT_EQ(codes(t.g.cpu1_known), (std::vector<int>{25, 35, 17, 14}));
  EXPECT_EQ(codes(t.g.cpu2_known), (std::vector<int>{25, 35, 45}));
}

TEST_F(Opponent, AWrongAnswerMakesTheOpponentTake) {
  t.g.heap_cards = pile({16});
  claimed({15}, 4);  // a bluff it believed
  EXPECT_EQ(move(2, {kRnd3}), Next::Human);
  EXPECT_EQ(texts(), std::vector<std::string>{"LILA: Я беру"});
  EXPECT_EQ(codes(t.g.cpu2_cards), (std::vector<int>{31, 32, 33, 15, 16}));
  EXPECT_TRUE(t.g.m.koloda2[5].visible);
  EXPECT_EQ(t.g.m.konpic[1].picture, kNoPicture);
}

TEST_F(Opponent, ALieCaughtGoesToWhoeverLaidIt) {
  claimed({15}, 4);
  EXPECT_EQ(move(2, {kRnd7}), Next::Cpu2);  // opponent 1 laid it
  EXPECT_EQ(texts(), std::vector<std::string>{"DUKE LOPATSKY: Я беру"});
  EXPECT_EQ(codes(t.g.cpu1_cards), (std::vector<int>{21, 22, 23, 15}));

  t.host.shown.clear();
  t.g.cpu1_out = true;  // the human laid it: the verdict names the human
  claimed({16}, 4);
  EXPECT_EQ(move(2, {kRnd7}), Next::Cpu2);
  EXPECT_EQ(texts(), std::vector<std::string>{"LILA: Вася, забирай"});
  EXPECT_EQ(codes(t.g.player_cards), (std::vector<int>{11, 12, 13, 16}));
}

TEST_F(Opponent, AHumanWhoIsOutSeesNothingWhileTheOpponentsPlayOn) {
  t.g.player_out = true;
  t.g.player_cards.clear();
  t.g.cpu1_count_b = 1;  // opponent 1 doubts
  claimed({15}, 4);      // laid by opponent 2, the player before it now
  EXPECT_EQ(move(1, {kRnd3, 0.9}), Next::Cpu1);
  EXPECT_TRUE(t.host.shown.empty());
  EXPECT_EQ(codes(t.g.cpu2_cards), (std::vector<int>{31, 32, 33, 15}));
}

TEST_F(Opponent, HoldingTheClaimedRankAlwaysAdds) {
  for (double roll : {0.0, 0.3, 0.8, 0.99}) {
    t.g.cpu2_cards = pile({17, 25});
    claimed({27}, 7);
    t.rng.values.clear();
    t.rng.push({roll, 0.2});
    opponent_move(t.g, cpu2_params());
    EXPECT_EQ(t.g.kon_cards.count(), 1);
    EXPECT_EQ(t.g.cpu2_cards.count(), 1);
  }
  EXPECT_EQ(t.g.stats.opponents[2].veru + t.g.stats.opponents[2].neveru, 0u);
}

}  // namespace
}  // namespace blefino::testing
