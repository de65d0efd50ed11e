// The human's hand, rank buttons, main button and show-cards button.
#include <algorithm>

#include "core/game.h"

namespace blefino {

namespace {

void record_click(Game& g, int index) {
  if (g.first_clicks.count() >= 6) return;
  g.first_clicks.add(static_cast<CardCode>(index));
  if (g.first_clicks.count() <= 4) return;
  for (int k = 1; k <= 5; ++k)
    if (g.first_clicks.item(k) != kUnlockSequence[static_cast<std::size_t>(k - 1)]) return;
  g.show_cards_offered = true;
}

void lay_card(Game& g, int index) {
  if (g.answer_awaited) {  // laying on top of a claim accepts it
    push_to_heap(g);
    g.answer_awaited = false;
    count_up(g.human_believed);
  }
  if (g.batch.count() >= 4) {
    g.host.message("Больше нельзя!!!", kProgramTitle, Icon::Information, Buttons::Ok);
    return;
  }
  g.main_enabled = true;
  if (g.batch.empty()) g.tell(Seat::Human, Play::Opened);
  Pile& hand = g.hand(Seat::Human);
  const CardCode card = hand.item(index);
  g.batch.add(card);
  g.memory.laid(Seat::Human, card);
  if (!g.ranks_locked) claim(g, rank_of(card));
  hand.remove(index);
  g.raised_slot = 0;  // the card sliding into the place has not been chosen: it stays down
  arrange_human_hand(g);
  g.batch_face_up = true;  // the human sees the cards it lays
}

}  // namespace

bool can_press_card(const Game& g, int index) {
  return !g.stopped && g.dealt && !g.hand_locked && index >= 1 &&
         index <= g.hand(Seat::Human).count();
}
bool can_pick_rank(const Game& g, int rank) {
  return !g.stopped && g.dealt && !g.ranks_locked && rank >= 1 && rank <= 9;
}
bool can_press_main(const Game& g) {
  return !g.stopped && g.dealt && !g.over && g.main_enabled && !g.opponents_moving;
}
bool can_answer(const Game& g) { return !g.stopped && g.answer_awaited && !g.batch.empty(); }
bool can_show_cards(const Game& g) { return !g.stopped && g.dealt && g.show_cards_offered; }

void press_card(Game& g, int index) {
  if (!can_press_card(g, index)) return;
  record_click(g, index);
  // The first click lifts the card; a click on the lifted card lays it.
  if (g.raised_slot != index)
    g.raised_slot = index;
  else
    lay_card(g, index);
  g.to_move = g.seat(Seat::Cpu1).out ? Seat::Cpu2 : Seat::Cpu1;
}

void click_rank(Game& g, int rank) {
  if (can_pick_rank(g, rank)) claim(g, rank);
}

void press_main(Game& g) {
  if (!can_press_main(g)) return;
  if (g.to_move == Seat::Human)
    hand_over_to_human(g);
  else
    run_moves(g, next_of(g.to_move));
}

void press_show_cards(Game& g) {
  if (!can_show_cards(g)) return;
  g.show_cards = !g.show_cards;
  g.batch_face_up = g.show_cards;
}

void push_to_heap(Game& g) { move_all(g.batch, g.heap); }

void arrange_human_hand(Game& g) {
  auto& cards = g.hand(Seat::Human).items();
  std::sort(cards.begin(), cards.end(),
            [](CardCode a, CardCode b) { return display_key(a) < display_key(b); });
  // A lifted card stays lifted at its place while that place holds a card.
  if (g.raised_slot > static_cast<int>(cards.size())) g.raised_slot = 0;
}

void take_round(Game& g, Seat taker) {
  g.memory.settled(g.batch, g.claimed_rank, taker);
  g.seat(Seat::Cpu1).laid.clear();
  g.seat(Seat::Cpu2).laid.clear();
  move_all(g.batch, g.hand(taker));
  move_all(g.heap, g.hand(taker));
  if (taker == Seat::Human) arrange_human_hand(g);
}

void round_to_discard(Game& g, bool cpu1_sees, bool cpu2_sees) {
  g.memory.settled(g.batch, g.claimed_rank, std::nullopt);
  for (CardCode c : g.batch) {
    g.discard.add(c);
    if (cpu1_sees) g.seat(Seat::Cpu1).known.add(c);
    if (cpu2_sees) g.seat(Seat::Cpu2).known.add(c);
  }
  g.batch.clear();
  move_all(g.heap, g.discard);  // never shown, so nobody remembers them
  for (Seat s : {Seat::Cpu1, Seat::Cpu2}) {
    append_copies(g.seat(s).known, g.seat(s).laid);
    g.seat(s).laid.clear();
  }
}

}  // namespace blefino
