// The human's "Верю" and "Не верю", and the verdicts every answer shares.
#include "core/game.h"

namespace blefino {

namespace {

// The human answered right and opens the next round, unless the hand is empty.
void human_opens_next_round(Game& g) {
  g.main_enabled = false;
  g.ranks_locked = false;
  g.hand_locked = false;
}

Next opponent_after_human(const Game& g) {
  return g.seat(Seat::Cpu1).out ? Next::Cpu2 : Next::Cpu1;
}

void after_human_won(Game& g) {
  if (end_of_game_check(g)) return;
  g.answer_awaited = false;
  if (g.hand(Seat::Human).empty()) run_moves(g, opponent_after_human(g));
}

// The human answered wrong: takes the whole round, and the next player moves at once.
void human_takes(Game& g, std::uint64_t generation) {
  announce(g, Verdict::YouTake, Seat::Cpu2);
  if (halted(g, generation)) return;
  take_round(g, Seat::Human);
  g.main_enabled = true;
  if (end_of_game_check(g)) return;
  g.answer_awaited = false;
  g.hand_locked = true;
  run_moves(g, opponent_after_human(g));
}

}  // namespace

bool claim_is_true(const Game& g) {
  for (CardCode c : g.batch)
    if (rank_of(c) != g.claimed_rank) return false;
  return true;
}

void announce(Game& g, Verdict verdict, Seat speaker) {
  if (g.seat(Seat::Human).out) return;  // a player who is out no longer sees the verdicts
  g.host.message(verdict_text(g, verdict), g.seat(speaker).name, Icon::Question, Buttons::Ok);
}

void press_veru(Game& g) {
  if (!can_answer(g)) return;
  const auto generation = g.generation;
  count_up(g.human_believed);
  g.tell(Seat::Human, Play::Believed);
  g.batch_face_up = true;

  if (!claim_is_true(g)) return human_takes(g, generation);  // a bluff believed
  // An honest batch: the round goes out of play.
  announce(g, Verdict::Discard, Seat::Cpu2);
  if (halted(g, generation)) return;
  round_to_discard(g, true, false);
  human_opens_next_round(g);
  after_human_won(g);
}

void press_neveru(Game& g) {
  if (!can_answer(g)) return;
  const auto generation = g.generation;
  count_up(g.human_doubted);
  g.tell(Seat::Human, Play::Doubted);
  g.batch_face_up = true;

  if (claim_is_true(g)) return human_takes(g, generation);  // the batch was honest
  // The bluff is caught: whoever laid it takes.
  const Seat claimer = g.seat(Seat::Cpu2).out ? Seat::Cpu1 : Seat::Cpu2;
  announce(g, Verdict::ITake, claimer);
  if (halted(g, generation)) return;
  take_round(g, claimer);
  human_opens_next_round(g);
  after_human_won(g);
}

}  // namespace blefino
