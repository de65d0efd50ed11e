// How the two computer opponents lead, answer, bluff and learn.
#include "opponents/opponent.h"

#include "tests/support/fixture.h"

namespace blefino::testing {
namespace {

// The roll of a move: round(9 × v).
constexpr double roll(int r) { return r / 9.0; }

TEST(Lead, FourOfARankBeforeThreeBeforeTwoBeforeOne) {
  // A triple and a pair: the triple is led.
  {
    Table t;
    t.position({11, 21, 12, 22, 32, 35}, {13}, {14});
    say(t.g, Seat::Human, Line::YourMove);
    t.rng.push({roll(3), 0.5, 0.0});  // move roll, pick, honest
    opponent_move(t.g, cpu1_rules());
    EXPECT_EQ(codes(t.g.batch), (std::vector<int>{32, 22, 12}));
    const TableModel m = t.view();
    EXPECT_EQ(m.koncard.caption, "Семёрка");
    // It speaks; the others fall silent.
    EXPECT_EQ(
        m.Conversation1.caption + "|" + m.Conversation2.caption + "|" + m.Conversation3.caption,
        "Я хожу||");
  }
  // Four of a rank end the search.
  {
    Table t;
    t.position({11, 15, 25, 21, 35, 45}, {13}, {14});
    t.rng.push({roll(3), 0.5, 0.0});
    opponent_move(t.g, cpu1_rules());
    EXPECT_EQ(codes(t.g.batch), (std::vector<int>{45, 35, 25, 15}));
  }
  // Only pairs: the picked pair; 1 + 0.5 × (2 − 1) = 1.5 rounds to the even 2.
  {
    Table t;
    t.position({11, 21, 12, 22, 35}, {13}, {14});
    t.rng.push({roll(3), 0.5, 0.0});
    opponent_move(t.g, cpu1_rules());
    EXPECT_EQ(codes(t.g.batch), (std::vector<int>{22, 12}));
  }
  // A bluff lays as many cards from the end of the hand and claims the same rank.
  {
    Table t;
    t.position({11, 21, 12, 22, 32, 35, 49}, {13}, {14});
    t.rng.push({roll(3), 0.5, roll(8)});
    opponent_move(t.g, cpu1_rules());
    EXPECT_EQ(codes(t.g.batch), (std::vector<int>{49, 35, 32}));
    EXPECT_EQ(t.g.claimed_rank, 2);
  }
}

TEST(Answer, OpponentOneRefusesAClaimItsOwnCountProvesFalse) {
  struct Case {
    std::initializer_list<int> hand, known, batch, heap;
    bool refuses;
  };
  const Case cases[] = {
      {{18, 28}, {38}, {48, 11}, {}, true},       // 2 laid + 2 held + 1 seen = 5
      {{18, 28}, {}, {48, 11}, {15, 16}, false},  // the heap was never seen: 4 is possible
      {{18}, {28}, {38, 48}, {}, false},
  };
  for (const Case& c : cases) {
    Table t;
    t.position(c.hand, {13, 23}, {14, 24});
    t.g.seat(Seat::Cpu1).known = pile(c.known);
    t.claim_made(c.batch, 8, c.heap);
    t.g.answer_awaited = false;
    // Roll 9: holding the rank it adds honestly, unless it refuses first.
    t.rng.push({roll(9), 0.0, 0.99});
    opponent_move(t.g, cpu1_rules());
    const TableModel m = t.view();
    EXPECT_EQ(m.Conversation1.caption, c.refuses ? "Не верю!" : "Добавляю...");
    EXPECT_EQ(t.host.messages().size(), c.refuses ? 1u : 0u);
  }
}

TEST(Answer, EachOpponentAnswersByItsOwnRule) {
  struct Case {
    Seat who;
    std::int16_t saw_true, saw_false;
    std::vector<double> rolls;
    std::string said;
  };
  const Case cases[] = {
      // Opponent 2 believes on a roll of 6 or less.
      {Seat::Cpu2, 0, 0, {roll(6)}, "Верю!"},
      {Seat::Cpu2, 0, 0, {roll(7)}, "Не верю!"},
      // Opponent 1 believes when round(total × v) is above the false batches it has seen.
      {Seat::Cpu1, 3, 1, {roll(5), 0.3}, "Не верю!"},  // round(1.2) = 1
      {Seat::Cpu1, 3, 1, {roll(5), 0.4}, "Верю!"},     // round(1.6) = 2
      {Seat::Cpu1, 0, 0, {roll(5), 0.5}, "Не верю!"},  // no record: round(0.5) = 0
      {Seat::Cpu1, 32767, 32767, {roll(5), 0.6}, "Верю!"},
  };
  for (const Case& c : cases) {
    Table t;
    t.position({12, 22}, {13, 23}, {14, 24});
    t.g.cpu1_saw_true = c.saw_true;
    t.g.cpu1_saw_false = c.saw_false;
    t.claim_made({44}, 9);
    for (double v : c.rolls) t.rng.values.push_back(v);
    opponent_move(t.g, rules_of(c.who));
    const TableModel m = t.view();
    EXPECT_EQ(c.who == Seat::Cpu1 ? m.Conversation1.caption : m.Conversation2.caption, c.said);
    // The batch was false: opponent 1 learns it, and its counts stop at the top.
    const bool learns = c.who == Seat::Cpu1;
    EXPECT_EQ(t.g.cpu1_saw_true, c.saw_true);
    EXPECT_EQ(t.g.cpu1_saw_false, learns ? std::min(c.saw_false + 1, 32767) : 0);
  }
}

TEST(Answer, AddsWhatItHoldsBluffsFromTheEndOrAddsBlind) {
  struct Case {
    std::initializer_list<int> hand;
    std::vector<double> rolls;
    std::vector<int> batch;
    bool cpu2_out = false;  // then the move passes straight on to the human
  };
  const Case cases[] = {
      {{19, 12, 29, 23}, {roll(3)}, {29, 19}},         // honest add of the two aces
      {{19, 12, 29, 23}, {roll(7)}, {23, 29}},         // roll 7 or more: two cards from the end
      {{12, 13, 23}, {roll(0), roll(3)}, {13, 12}},    // blind: x < 4 lays the first two
      {{12, 13, 23}, {roll(0), roll(4)}, {12}, true},  // ... else only the first
  };
  for (const Case& c : cases) {
    Table t;
    t.position(c.hand, {14, 24}, {15, 25});
    t.claim_made({49}, 9);
    t.g.answer_awaited = false;
    t.g.seat(Seat::Cpu2).out = c.cpu2_out;
    for (double v : c.rolls) t.rng.values.push_back(v);
    const Next next = opponent_move(t.g, cpu1_rules());
    EXPECT_EQ(codes(t.g.batch), c.batch);
    EXPECT_EQ(codes(t.g.heap), (std::vector<int>{49}));
    EXPECT_EQ(next, c.cpu2_out ? Next::Human : Next::Cpu2);
    EXPECT_EQ(t.view().Conversation1.caption, "Добавляю...");
    EXPECT_EQ(t.host.log, (std::vector<std::string>{"pause"}));
  }
}

TEST(Settle, WhoTakesAndWhoMovesNext) {
  struct Case {
    Seat answering;
    bool honest;
    std::vector<double> rolls;  // move roll, then opponent 1's answer roll
    std::vector<std::string> log;
    Seat taker;
    Next next;
  };
  // Only an opponent who was wrong hands on after a pause; one who was right
  // opens the next round at once.
  const Case cases[] = {
      {Seat::Cpu2, true, {roll(6)}, {"GORDAN: Отбой"}, Seat::Human, Next::Cpu2},
      {Seat::Cpu2, true, {roll(7)}, {"GORDAN: Я беру", "pause"}, Seat::Cpu2, Next::Human},
      {Seat::Cpu2, false, {roll(7)}, {"TORVIK: Я беру"}, Seat::Cpu1, Next::Cpu2},
      {Seat::Cpu1, false, {roll(5), 0.0}, {"TORVIK: Вася, забирай"}, Seat::Human, Next::Cpu1},
  };
  for (const Case& c : cases) {
    Table t;
    t.position({12, 22}, {13, 23}, {14, 24});
    t.claim_made(c.honest ? std::initializer_list<int>{49} : std::initializer_list<int>{48}, 9);
    for (double v : c.rolls) t.rng.values.push_back(v);
    const Next next = opponent_move(t.g, rules_of(c.answering));
    EXPECT_EQ(t.host.log, c.log);
    EXPECT_EQ(next, c.next);
    if (c.log[0].find("Отбой") != std::string::npos) {
      EXPECT_EQ(t.g.discard.count(), 1);
      EXPECT_EQ(codes(t.g.seat(Seat::Cpu2).known), (std::vector<int>{49}));
      EXPECT_TRUE(t.g.seat(Seat::Cpu1).known.empty());
    } else {
      EXPECT_EQ(t.g.hand(c.taker).count(), 3);
    }
  }
}

}  // namespace
}  // namespace blefino::testing
