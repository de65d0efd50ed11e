// Opponent 1: counts cards, remembers the discard pile, and learns how often
// the claims it answered were true.
#include "opponent.h"

namespace blefino {

namespace {

bool impossible_claim(Game& g) {
  const int total = g.kon_cards.count() + claimed_rank_count(g, g.cpu1_cards) +
                    claimed_rank_count(g, g.cpu1_known);
  if (total <= 4) return false;  // a rank has only four cards
  g.cpu1_flag = false;
  table_talk(g, 4);
  ++g.stats.opponents[1].impossible;
  return true;
}

bool bluff_when_adding(Game& g) { return g.cpu_rnd >= 7; }

bool bluff_when_leading(Game& g) { return round_half_even(9 * g.rng.next()) >= 7; }

// Believes in proportion to the true batches it has seen.
void decide_answer(Game& g) {
  const long a = g.cpu1_count_a, b = g.cpu1_count_b;
  g.cpu1_flag = roll_against_record(g, a + b) > b;
  table_talk(g, g.cpu1_flag ? 6 : 4);
}

void record_result(Game& g, bool batch_was_true) {
  count_up(batch_was_true ? g.cpu1_count_a : g.cpu1_count_b);
}

}  // namespace

const OpponentParams& cpu1_params() {
  static const OpponentParams p{
      1, &GameState::cpu1_cards, &GameState::cpu1_laid, &GameState::cpu1_flag,
      7, 0, 5, 6, 4,
      2849, 5562,
      impossible_claim, bluff_when_adding, bluff_when_leading, decide_answer, record_result,
      true, 2, 0};
  return p;
}

}  // namespace blefino
