#pragma once
// The steps both computer opponents share, and the table of what differs
// between them. Each opponent's own rules live in its own unit.

#include "core/game.h"

namespace blefino {

struct OpponentRules {
  Seat seat;
  // Opponent 1 refuses a claim its own count proves impossible; returns true
  // when it did (and has said "Не верю!"). Opponent 2 has no such test.
  bool (*impossible_claim)(Game&);
  bool (*bluff_when_adding)(Game&, int roll);
  bool (*bluff_when_leading)(Game&);
  bool (*believes)(Game&, int roll);  // decides the answer and says it
  void (*record_result)(Game&, bool batch_was_true);
  bool tells_both_memories;  // its believed true batch goes to both opponents' memories
};

const OpponentRules& cpu1_rules();
const OpponentRules& cpu2_rules();
const OpponentRules& rules_of(Seat who);

// Cards of the claimed rank in a list.
int claimed_rank_count(const Game& g, const Pile& list);

// A fresh roll against a record of `total` events: round(total × random), or
// round(random) while there is no record yet. Counts are summed wide, so two
// full 16-bit counters cannot overflow.
long roll_against_record(Game& g, long total);

// Lays the card at `position` of `who`'s hand face down into the batch.
void lay(Game& g, Seat who, int position);
// The batch an opponent has just laid lies face down, unless the cards are shown.
void batch_laid(Game& g);

Next opponent_move(Game& g, const OpponentRules& p);
Next answer_claim(Game& g, const OpponentRules& p, int roll);
Next settle(Game& g, const OpponentRules& p, bool believed);
bool lead(Game& g, const OpponentRules& p);  // true when cards were laid

}  // namespace blefino
