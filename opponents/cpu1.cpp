// Opponent 1: counts cards, remembers the discard pile, and learns how often
// the claims it answered were true.
#include "opponents/opponent.h"

namespace blefino {

namespace {

bool impossible_claim(Game& g) {
  const SeatState& me = g.seat(Seat::Cpu1);
  const int total =
      g.batch.count() + claimed_rank_count(g, me.hand) + claimed_rank_count(g, me.known);
  if (total <= 4) return false;  // a rank has only four cards
  say(g, Seat::Cpu1, Line::DontBelieve);
  g.tell(Seat::Cpu1, Play::RefusedImpossible);
  return true;
}

bool bluff_when_adding(Game&, int roll) { return roll >= 7; }

bool bluff_when_leading(Game& g) { return round_half_even(9 * g.rng.next()) >= 7; }

// Believes in proportion to the true batches it has seen.
bool believes(Game& g, int) {
  const long a = g.cpu1_saw_true, b = g.cpu1_saw_false;
  const bool yes = roll_against_record(g, a + b) > b;
  say(g, Seat::Cpu1, yes ? Line::Believe : Line::DontBelieve);
  return yes;
}

void record_result(Game& g, bool batch_was_true) {
  count_up(batch_was_true ? g.cpu1_saw_true : g.cpu1_saw_false);
}

}  // namespace

const OpponentRules& cpu1_rules() {
  static const OpponentRules p{
      Seat::Cpu1, impossible_claim, bluff_when_adding, bluff_when_leading, believes, record_result,
      true};
  return p;
}

}  // namespace blefino
