// Opponent 2: answers on a whim and bluffs the more, the more often the human
// has let claims stand.
#include "opponents/opponent.h"

namespace blefino {

namespace {

bool bluff_by_human_record(Game& g) {
  const long doubted = g.human_doubted;
  return roll_against_record(g, doubted + g.human_believed) > doubted;
}

bool bluff_when_adding(Game& g, int) { return bluff_by_human_record(g); }

bool believes(Game& g, int roll) {
  const bool yes = roll <= 6;
  say(g, Seat::Cpu2, yes ? Line::Believe : Line::DontBelieve);
  return yes;
}

void record_result(Game&, bool) {}

}  // namespace

const OpponentRules& cpu2_rules() {
  static const OpponentRules p{
      Seat::Cpu2,    nullptr, bluff_when_adding, bluff_by_human_record, believes,
      record_result, false};
  return p;
}

}  // namespace blefino
