// Opponent 2: answers on a whim and bluffs the more, the more often the human
// has let claims stand.
#include "opponent.h"

namespace blefino {

namespace {

bool bluff_when_adding(Game& g) { return bluff_by_human_record(g); }
bool bluff_when_leading(Game& g) { return bluff_by_human_record(g); }

void decide_answer(Game& g) {
  g.cpu2_flag = g.cpu_rnd <= 6;
  table_talk(g, g.cpu2_flag ? 11 : 10);
}

void record_result(Game&, bool) {}

}  // namespace

bool bluff_by_human_record(Game& g) {
  const long doubted = g.player_neveru_count;
  return roll_against_record(g, doubted + g.player_veru_count) > doubted;
}

const OpponentParams& cpu2_params() {
  static const OpponentParams p{
      2, &GameState::cpu2_cards, &GameState::cpu2_laid, &GameState::cpu2_flag,
      8, 2, 9, 11, 10,
      2849, 6046,
      nullptr, bluff_when_adding, bluff_when_leading, decide_answer, record_result,
      false, 3, 1};
  return p;
}

}  // namespace blefino
