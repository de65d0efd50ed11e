// The experienced opponents decide from what their seat knows, and the table
// seats the opponents of the level the player chose.
#include "opponents/experienced.h"

#include <random>

#include "opponents/opponent.h"
#include "opponents/opponents.h"
#include "tests/support/fixture.h"
#include "tools/sim/scripted.h"

namespace blefino::testing {
namespace {

// Deals every card `seat` cannot see anew: the other two hands, the batch,
// the heap and the discard pile keep their sizes, not their cards.
void redeal_hidden(Game& g, Seat seat, std::mt19937& shuffle) {
  std::vector<Pile*> piles{&g.batch, &g.heap, &g.discard};
  for (Seat s : kSeats)
    if (s != seat) piles.push_back(&g.hand(s));
  std::vector<CardCode> cards;
  for (const Pile* p : piles) cards.insert(cards.end(), p->begin(), p->end());
  std::shuffle(cards.begin(), cards.end(), shuffle);
  auto next = cards.begin();
  for (Pile* p : piles)
    for (CardCode& c : p->items()) c = *next++;
}

// At every point of whole games, the cards an opponent cannot see are dealt
// anew: what it knows and what it then decides stay the same.
TEST(Experienced, NoDecisionReadsAHiddenCard) {
  std::mt19937 shuffle(7);
  int positions = 0, redealt = 0;
  for (sim::Policy policy : {sim::Policy::Random, sim::Policy::Sensible}) {
    const auto check = [&](const Game& g) {
      for (Seat seat : {Seat::Cpu1, Seat::Cpu2}) {
        if (g.over || g.seat(seat).out) continue;
        Table t;
        static_cast<GameState&>(t.g) = g;
        t.g.memory = g.memory;
        redeal_hidden(t.g, seat, shuffle);
        redealt += !(t.g.hand(Seat::Human) == g.hand(Seat::Human) && t.g.heap == g.heap);
        const SeatView known = what_seat_knows(g, seat), redealt_known = what_seat_knows(t.g, seat);
        MtRandom a(positions), b(positions);
        // The run stops at the first table that tells the two deals apart.
        if (!(known == redealt_known) ||
            !(decide(known, character_of(seat), a) == decide(redealt_known, character_of(seat), b)))
          throw std::runtime_error("opponent " + std::to_string(static_cast<int>(seat) + 1) +
                                   " told hidden cards apart");
        ++positions;
      }
    };
    EXPECT_EQ(sim::run(40, 11, policy, check, Level::Experienced).fault, "");
  }
  EXPECT_GT(positions, 1500);
  EXPECT_GT(redealt, positions * 9 / 10);
}

// A card laid face down is known to whoever laid it; cards under the batch
// leave the game unseen. The others learn only what is turned face up.
TEST(Experienced, OnlyCardsTurnedFaceUpBecomeKnown) {
  std::vector<SeatView> views[3];
  for (int human_card : {11, 12}) {
    Table t;
    t.position({21, 22}, {13, 23}, {human_card, 45});
    hand_over_to_human(t.g);
    t.lay(1);
    click_rank(t.g, 1);  // the same claim either way: a six
    push_to_heap(t.g);   // opponent 1 lays its six on it
    lay(t.g, Seat::Cpu1, 1);
    round_to_discard(t.g, true, true);  // and opponent 2 believes it: out of play
    for (Seat s : kSeats) views[static_cast<int>(s)].push_back(what_seat_knows(t.g, s));
  }
  EXPECT_EQ(views[0][0], views[0][1]);
  EXPECT_EQ(views[1][0], views[1][1]);
  EXPECT_NE(views[2][0], views[2][1]);                        // the human knows which card it laid
  EXPECT_EQ(views[1][0].gone[1], 1);                          // opponent 1's six was turned face up
  EXPECT_EQ(views[2][1].gone[1] + views[2][1].gone[2], 2);    // the human's own went with it
  EXPECT_EQ(views[1][0].claims[Seat::Cpu1].honest[1][1], 1);  // one card on a claim, true
}

// Three kings claimed while it holds two: it doubts rather than adding its
// kings, and the human takes.
TEST(Experienced, DoubtsAClaimItsOwnCountProvesFalse) {
  Table t;
  t.position({18, 28, 11}, {13, 23}, {12, 22, 32, 45});
  hand_over_to_human(t.g);
  for (int laid = 0; laid < 3; ++laid)  // presses the first card until it is laid
    for (const int n = t.g.hand(Seat::Human).count(); t.g.hand(Seat::Human).count() == n;)
      press_card(t.g, 1);
  click_rank(t.g, 8);
  EXPECT_EQ(experienced_move(t.g, Seat::Cpu1), Next::Cpu1);
  EXPECT_EQ(t.view().Conversation1.caption, "Не верю!");
  EXPECT_EQ(t.host.messages(), (std::vector<std::string>{"TORVIK: Вася, забирай"}));
  EXPECT_EQ(codes(t.g.hand(Seat::Human)), (std::vector<int>{12, 22, 32, 45}));
}

// The table's opponents follow the level: the default level plays exactly
// the default pair, the other the experienced one, and the two differ.
TEST(Level, TheTableSeatsTheOpponentsOfItsLevel) {
  std::vector<int> led[2];
  for (Level level : {Level::Default, Level::Experienced}) {
    for (Seat who : {Seat::Cpu1, Seat::Cpu2}) {
      Table seated, direct;
      for (Table* t : {&seated, &direct}) {
        t->position({15, 25, 35, 16, 27}, {15, 25, 35, 16, 27}, {14, 24});
        t->g.level = level;
      }
      ComputerOpponents opponents;
      const Next a = opponents.move(seated.g, who);
      const Next b = level == Level::Default ? opponent_move(direct.g, rules_of(who))
                                             : experienced_move(direct.g, who);
      EXPECT_EQ(a, b);
      EXPECT_EQ(codes(seated.g.batch), codes(direct.g.batch));
      EXPECT_EQ(seated.g.claimed_rank, direct.g.claimed_rank);
      EXPECT_EQ(seated.host.log, direct.host.log);
      if (who == Seat::Cpu1) led[static_cast<int>(level)] = codes(seated.g.batch);
    }
  }
  EXPECT_NE(led[0], led[1]);
}

}  // namespace
}  // namespace blefino::testing
