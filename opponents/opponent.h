#pragma once
// The steps both computer opponents share, and the table of what differs
// between them. Each opponent's own rules live in its own unit.

#include "game.h"

namespace blefino {

struct OpponentParams {
  int who;                      // 1 or 2
  Pile GameState::*hand;        // its cards
  Pile GameState::*laid;        // what it laid into the current round
  bool GameState::*flag;        // its answer: true = "Верю!"
  int talk_start, talk_lead, talk_add, talk_veru, talk_neveru;
  int marker_top, marker_left;  // where the turn marker stands during its move

  // Opponent 1 refuses a claim its own count proves impossible; returns true
  // when it did (and has said "Не верю!"). Opponent 2 has no such test.
  bool (*impossible_claim)(Game&);
  bool (*bluff_when_adding)(Game&);
  bool (*bluff_when_leading)(Game&);
  void (*decide_answer)(Game&);  // sets the flag and says "Верю!" or "Не верю!"
  void (*record_result)(Game&, bool batch_was_true);
  bool tells_both_memories;      // its believed true batch goes to both opponents' memories
  int announce_discard, announce_wrong;
};

const OpponentParams& cpu1_params();
const OpponentParams& cpu2_params();
const OpponentParams& params_of(int who);

// Cards of the claimed rank in a list; 0 when no rank is claimed.
int claimed_rank_count(const Game& g, const Pile& list);

// A fresh roll against a record of `total` events: round(total × random), or
// round(random) while there is no record yet. Counts are summed wide, so two
// full 16-bit counters cannot overflow.
long roll_against_record(Game& g, long total);

// Opponent 2's bluff roll against the human's record, used when it adds and when it leads.
bool bluff_by_human_record(Game& g);

Next opponent_move(Game& g, const OpponentParams& p);
Next answer_claim(Game& g, const OpponentParams& p);
Next settle(Game& g, const OpponentParams& p);
bool lead(Game& g, const OpponentParams& p);  // true when cards were laid

}  // namespace blefino
