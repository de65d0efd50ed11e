#pragma once
// The experienced opponents («Опытные соперники»): they count the cards that
// have been seen, learn how the others claim and answer, and weigh each move
// by what it is likely to cost them. Every decision is a function of what
// their seat knows (core/knowledge.h) and of the game's random source; the
// move itself is made with the same lines, pauses and verdicts as always.

#include "core/game.h"

namespace blefino {

// What sets the two apart: opponent 1 careful and counting, opponent 2 bolder.
struct Character {
  double lead_worth;   // cards it expects to shed when it opens the next round
  double others_take;  // how much a card another player takes is worth to it
  double nerve;        // a bluff's risk is weighed by (1 − nerve)
  double whim;         // random spread added to each option's worth
};

const Character& character_of(Seat who);

struct Decision {
  enum class Kind { Lead, Add, Believe, Doubt };
  Kind kind = Kind::Lead;
  int rank = 0;  // the rank claimed by a lead
  Pile cards;    // what it lays, in this order (a lead or an add)
  friend bool operator==(const Decision&, const Decision&) = default;
};

// What the seat does now: lead when the batch is empty, otherwise answer the claim.
Decision decide(const SeatView& view, const Character& who, Random& rng);

// One experienced opponent's move, made as the default opponents make theirs.
Next experienced_move(Game& g, Seat who);

}  // namespace blefino
