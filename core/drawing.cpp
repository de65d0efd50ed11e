// Laying the hands and the batch out on the table from the piles.
#include <algorithm>
#include <cmath>

#include "game.h"

namespace blefino {

namespace {

// Left edge of slot i of a row: a fixed step while the hand is small,
// then the whole hand squeezed into the row's span.
int slot_left(int i, int n, int small_limit, int base, int span) {
  if (n <= small_limit) return (i - 1) * 1073 + base;
  return static_cast<int>(std::floor(static_cast<double>(span) / n * (i - 1) + base));
}

}  // namespace

int current_back(const Game& g) { return g.m.Example.picture; }

void draw_human_hand(Game& g) {
  auto& cards = g.player_cards.items();
  std::sort(cards.begin(), cards.end(),
            [](CardCode a, CardCode b) { return display_key(a) < display_key(b); });
  const int n = g.player_cards.count();
  for (int i = 1; i <= kHandSlots; ++i) {
    Slot& slot = g.m.koloda3[i];
    if (i > n) {
      slot.visible = false;
      slot.top = kRestingTop;
      continue;
    }
    slot.left = slot_left(i, n, 9, 241, 8900);
    slot.visible = true;
    slot.picture = g.player_cards.item(i);
  }
}

void draw_cpu_hand(Game& g, int who) {
  auto& slots = who == 1 ? g.m.koloda1 : g.m.koloda2;
  const Pile& hand = who == 1 ? g.cpu1_cards : g.cpu2_cards;
  const int base = who == 1 ? 241 : 6529;
  const int span = who == 1 ? 4300 : 4250;
  const int n = hand.count();
  for (int i = 1; i <= kHandSlots; ++i) {
    Slot& slot = slots[i];
    if (i > n) {
      slot.visible = false;
      continue;
    }
    slot.left = slot_left(i, n, 4, base, span);
    slot.visible = true;
    slot.picture = g.show_cards ? hand.item(i) : current_back(g);
  }
}

void draw_batch(Game& g) {
  const int n = std::min(g.kon_cards.count(), 4);
  for (int i = 1; i <= n; ++i)
    g.m.konpic[i].picture = g.show_cards ? g.kon_cards.item(i) : current_back(g);
}

void reveal_batch(Game& g) {
  const int n = std::min(g.kon_cards.count(), 4);
  for (int i = 1; i <= n; ++i) g.m.konpic[i].picture = g.kon_cards.item(i);
}

void redraw_table(Game& g) {
  draw_cpu_hand(g, 1);
  draw_cpu_hand(g, 2);
  draw_human_hand(g);
  g.m.otboypic.picture = current_back(g);
  g.m.heappic.picture = current_back(g);
}

}  // namespace blefino
