// Laying the hands and the batch out on the table from the piles.
#include <algorithm>
#include <bit>
#include <cstdint>

#include "game.h"

namespace blefino {

namespace {

// Left edges of a row: a fixed step while the hand is small, then the whole
// hand squeezed into the row's span.
struct RowLayout {
  RowLayout(int n, int small_limit, int base, int span)
      : small(n <= small_limit), base(base), step(small ? 1073.0 : static_cast<double>(span) / n) {}
  int left(int i) const {
    if (small) return (i - 1) * 1073 + base;
    // The value is positive, so cutting off the fraction is the floor.
    return static_cast<int>(step * (i - 1) + base);
  }
  bool small;
  int base;
  double step;
};

}  // namespace

int current_back(const Game& g) { return g.m.Example.picture; }

void draw_human_hand(Game& g) {
  // Rank first, then suit. Every card is in the pack once, so marking each
  // display key (11..94) in a bit set and reading the set back in order sorts the hand.
  auto& cards = g.player_cards.items();
  std::uint64_t low = 0, high = 0;  // keys 11..74, 75..138
  for (CardCode c : cards) {
    const int bit = display_key(c) - 11;
    if (bit < 64) low |= std::uint64_t{1} << bit;
    else high |= std::uint64_t{1} << (bit - 64);
  }
  std::size_t out = 0;
  for (; low; low &= low - 1) cards[out++] = static_cast<CardCode>(display_key(std::countr_zero(low) + 11));
  for (; high; high &= high - 1) cards[out++] = static_cast<CardCode>(display_key(std::countr_zero(high) + 75));
  if (out != cards.size()) {  // a card twice in the hand would be a fault elsewhere; never lose it here
    std::sort(cards.begin(), cards.end(),
              [](CardCode a, CardCode b) { return display_key(a) < display_key(b); });
  }
  const int n = g.player_cards.count();
  const RowLayout row(n, 9, 241, 8900);
  for (int i = 1; i <= kHandSlots; ++i) {
    Slot& slot = g.m.koloda3[i];
    if (i > n) {
      slot.visible = false;
      slot.top = kRestingTop;
      continue;
    }
    slot.left = row.left(i);
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
  const RowLayout row(n, 4, base, span);
  for (int i = 1; i <= kHandSlots; ++i) {
    Slot& slot = slots[i];
    if (i > n) {
      slot.visible = false;
      continue;
    }
    slot.left = row.left(i);
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
