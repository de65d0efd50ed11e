// The human's hand, rank buttons, main button and show-cards button.
#include "game.h"

namespace blefino {

namespace {

bool usable(const Button& b) { return b.visible && b.enabled; }

void record_click(Game& g, int index) {
  if (g.player_pick.count() >= 6) return;
  g.player_pick.add(static_cast<CardCode>(index));
  if (g.player_pick.count() <= 4) return;
  for (int k = 1; k <= 5; ++k)
    if (g.player_pick.item(k) != kUnlockSequence[k - 1]) return;
  g.m.Command1.visible = true;
}

void raise_card(Game& g, int index) {
  const int n = g.player_cards.count();
  for (int i = 1; i <= n; ++i) {
    Slot& slot = g.m.koloda3[i];
    slot.top = (i == index) ? kRaisedTop : kRestingTop;
    slot.cursor = (i == index) ? Cursor::HandPut : Cursor::Hand;
  }
}

void lay_card(Game& g, int index) {
  if (g.m.neveru.visible) {  // laying on top of a claim accepts it
    push_to_heap(g);
    g.m.neveru.visible = false;
    g.m.veru.visible = false;
    count_up(g.player_veru_count);
  }
  g.m.koloda3[index].cursor = Cursor::HandPut;
  if (g.kon_cards.count() >= 4) {
    static const std::string no_more = "Больше нельзя!!!", title = kProgramTitle;
    show_message(g, no_more, title, Icon::Information, Buttons::Ok);
    return;
  }
  g.m.mainbutton.enabled = true;
  if (g.kon_cards.empty()) ++g.stats.moves;
  const CardCode card = g.player_cards.item(index);
  g.kon_cards.add(card);
  const int rank = rank_of(card);
  if (g.m.Option1[rank].enabled) select_rank(g, rank);
  g.player_cards.remove(index);
  draw_human_hand(g);
  for (int i = 1; i <= g.kon_cards.count() && i <= 4; ++i)
    g.m.konpic[i].picture = g.kon_cards.item(i);
}

}  // namespace

void press_card(Game& g, int index) {
  if (g.stopped || index < 1 || index > kHandSlots || index > g.player_cards.count()) return;
  const Slot& slot = g.m.koloda3[index];
  if (!slot.visible || !slot.enabled) return;

  record_click(g, index);
  if (slot.top >= kRaisedBelow)
    raise_card(g, index);
  else
    lay_card(g, index);
  g.next_mover = g.cpu1_out ? 2 : 1;
}

void click_rank(Game& g, int index) {
  if (g.stopped || index < 1 || index > 9 || !g.m.Option1[index].enabled) return;
  select_rank(g, index);
}

void press_main(Game& g) {
  if (g.stopped || !usable(g.m.mainbutton)) return;
  g.m.mainbutton.cursor = Cursor::HandPut;
  refresh_otboy(g);
  refresh_heap(g);
  switch (g.next_mover) {
    case 1: run_moves(g, Next::Cpu1); break;
    case 2: run_moves(g, Next::Cpu2); break;
    case 3: hand_over_to_human(g); break;
    default: break;
  }
}

void press_show_cards(Game& g) {
  if (g.stopped || !usable(g.m.Command1)) return;
  g.show_cards = !g.show_cards;
  g.m.Command1.caption = g.show_cards ? "Закрыть карты" : "Открыть карты";
  draw_cpu_hand(g, 1);
  draw_cpu_hand(g, 2);
  draw_batch(g);
}

void push_to_heap(Game& g) {
  move_all(g.kon_cards, g.heap_cards);
  draw_batch(g);
  clear_batch_pictures(g);
  refresh_heap(g);
}

}  // namespace blefino
