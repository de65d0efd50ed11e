// The human's "Верю" and "Не верю", and the verdicts every answer shares.
#include "game.h"

namespace blefino {

namespace {

void hide_answer_buttons(Game& g) {
  g.m.neveru.visible = false;
  g.m.veru.visible = false;
}

void clear_laid(Game& g) {
  g.cpu1_laid.clear();
  g.cpu2_laid.clear();
}

// The round's cards into a hand: the batch first, then the heap, in order.
void take_round(Game& g, Pile& hand) {
  move_all(g.kon_cards, hand);
  move_all(g.heap_cards, hand);
}

bool answering_allowed(const Game& g) {
  return !g.stopped && g.m.veru.visible && g.m.neveru.visible && !g.kon_cards.empty();
}

// The human answered right and opens the next round, unless the hand is empty.
void human_opens_next_round(Game& g) {
  g.m.mainbutton.enabled = false;
  lock_controls(g, "options", false);
  lock_controls(g, "my_cards", false);
}

void after_human_won(Game& g) {
  if (end_of_game_check(g)) return;
  hide_answer_buttons(g);
  if (g.player_cards.empty()) run_moves(g, opponent_after_human(g));
}

// The human answered wrong: takes the whole round, and the next player moves at once.
void human_takes(Game& g, std::uint64_t generation) {
  announce(g, 6);
  if (halted(g, generation)) return;
  clear_laid(g);
  take_round(g, g.player_cards);
  g.m.mainbutton.enabled = true;
  refresh_heap(g);
  refresh_otboy(g);
  clear_batch_pictures(g);
  draw_human_hand(g);
  if (end_of_game_check(g)) return;
  hide_answer_buttons(g);
  lock_controls(g, "my_cards", true);
  run_moves(g, opponent_after_human(g));
}

}  // namespace

bool claim_check(const Game& g) {
  const int rank = selected_rank(g);
  for (CardCode c : g.kon_cards)
    if (rank_of(c) != rank) return false;
  return true;
}

void announce(Game& g, int code) {
  if (g.player_out) return;  // a player who is out no longer sees the verdicts
  auto take_it = [&] { return g.settings.player_name + ", забирай"; };
  switch (code) {
    case 0: case 5: show_message(g, "Я беру", g.cpu1_name, Icon::Question, Buttons::Ok); break;
    case 1: show_message(g, "Я беру", g.cpu2_name, Icon::Question, Buttons::Ok); break;
    case 2: show_message(g, "Отбой", g.cpu1_name, Icon::Question, Buttons::Ok); break;
    case 3: show_message(g, "Отбой", g.cpu2_name, Icon::Question, Buttons::Ok); break;
    case 4: show_message(g, take_it(), g.cpu1_name, Icon::Question, Buttons::Ok); break;
    case 6: show_message(g, take_it(), g.cpu2_name, Icon::Question, Buttons::Ok); break;
    default: break;
  }
}

void press_veru(Game& g) {
  if (!answering_allowed(g)) return;
  const auto generation = g.generation;
  count_up(g.player_veru_count);
  ++g.stats.moves;
  reveal_batch(g);
  g.player_said_veru = true;

  if (claim_check(g)) {  // an honest batch: the round goes out of play
    announce(g, 3);
    if (halted(g, generation)) return;
    for (CardCode c : g.kon_cards) {
      g.otboy_cards.add(c);
      g.cpu1_known.add(c);
    }
    g.kon_cards.clear();
    move_all(g.heap_cards, g.otboy_cards);
    append_copies(g.cpu1_known, g.cpu1_laid);
    append_copies(g.cpu2_known, g.cpu2_laid);
    clear_laid(g);
    human_opens_next_round(g);
    refresh_heap(g);
    refresh_otboy(g);
    clear_batch_pictures(g);
    draw_human_hand(g);
    after_human_won(g);
    return;
  }
  human_takes(g, generation);  // a bluff believed
}

void press_neveru(Game& g) {
  if (!answering_allowed(g)) return;
  const auto generation = g.generation;
  count_up(g.player_neveru_count);
  ++g.stats.moves;
  reveal_batch(g);
  g.player_said_veru = false;

  if (!claim_check(g)) {  // the bluff is caught: the claimer takes
    const int claimer = g.cpu2_out ? 1 : 2;
    announce(g, claimer == 2 ? 1 : 0);
    if (halted(g, generation)) return;
    clear_laid(g);
    take_round(g, claimer == 2 ? g.cpu2_cards : g.cpu1_cards);
    human_opens_next_round(g);
    refresh_heap(g);
    clear_batch_pictures(g);
    draw_cpu_hand(g, claimer);
    draw_human_hand(g);
    after_human_won(g);
    return;
  }
  human_takes(g, generation);  // the batch was honest
}

}  // namespace blefino
