// Dealing a fresh game, and the small routines the whole table shares.
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "game.h"
#include "stored_count.h"

namespace blefino {

void lock_controls(Game& g, const char* word, bool lock) {
  const std::string_view w = word;
  if (w == "my_cards") {
    const int n = g.player_cards.count();
    for (int i = 1; i <= n && i <= kHandSlots; ++i) g.m.koloda3[i].enabled = !lock;
  } else if (w == "options") {
    for (int k = 1; k <= 9; ++k) g.m.Option1[k].enabled = !lock;
  }
}

void refresh_heap(Game& g) {
  g.m.heappic.visible = !g.heap_cards.empty();
  g.m.in_heap.caption = " " + std::to_string(g.heap_cards.count());
}

void refresh_otboy(Game& g) {
  g.m.otboypic.visible = !g.otboy_cards.empty();
  g.m.in_otboy.caption = " " + std::to_string(g.otboy_cards.count());
}

void clear_batch_pictures(Game& g) {
  for (int i = 1; i <= 4; ++i) g.m.konpic[i].picture = g.m.konpic[0].picture;
}

void new_game(Game& g) {
  ++g.generation;
  for (Pile* p : {&g.cpu1_cards, &g.cpu2_cards, &g.player_cards, &g.otboy_cards, &g.kon_cards,
                  &g.heap_cards, &g.player_pick, &g.pick_rest, &g.pick_group, &g.cpu1_known,
                  &g.cpu2_known, &g.cpu1_laid, &g.cpu2_laid})
    p->clear();
  g.cpu1_out = g.cpu2_out = g.player_out = false;

  g.m.mainbutton.enabled = true;
  clear_batch_pictures(g);
  refresh_heap(g);
  refresh_otboy(g);

  // The pack, 11..49 without the multiples of ten.
  int i = 0;
  for (int v = 11; v <= 49; ++v) {
    if (v == 20 || v == 30 || v == 40) ++v;
    g.deck[++i] = static_cast<CardCode>(v);
  }

  // Each card is swapped with one strictly below it (Sattolo's walk).
  g.rng.reseed();
  for (int j = 36; j >= 1; --j) {
    int r = static_cast<int>(std::floor((j - 1) * g.rng.next() + 1));
    std::swap(g.deck[r], g.deck[j]);
  }

  for (int k = 1; k <= 36; ++k) {
    switch (k % 3) {
      case 1: g.cpu2_cards.add(g.deck[k]); break;
      case 2: g.player_cards.add(g.deck[k]); break;
      default: g.cpu1_cards.add(g.deck[k]); break;
    }
  }

  // Two different opponents. Rounding a value in [1, 9) reaches row 9 too.
  int a = 0, b = 0;
  do {
    g.rng.reseed();
    a = round_half_even(g.rng.next() * 8 + 1);
    b = round_half_even(g.rng.next() * 8 + 1);
  } while (a == b);
  g.cpu1_name_idx = static_cast<std::int16_t>(a);
  g.cpu2_name_idx = static_cast<std::int16_t>(b);
  g.m.Image1.picture = a;
  g.m.Image2.picture = b;
  g.cpu1_name = std::string(kOpponentNames[a]);
  g.cpu2_name = std::string(kOpponentNames[b]);
  g.m.Labelcpu1.caption = g.cpu1_name;
  g.m.Labelcpu2.caption = g.cpu2_name;

  g.rng.reseed();
  const int s = round_half_even(2 * g.rng.next() + 1);
  g.next_mover = static_cast<std::int16_t>(s);
  ++g.stats.games;
  ++g.stats.first_mover[s];
  ++g.stats.opponent_rows[1][a];
  ++g.stats.opponent_rows[2][b];
  // An opponent who begins says so and waits for the main button.
  auto opponent_begins = [&](int talk, int marker_left) {
    table_talk(g, talk);
    g.m.Chesspiece.top = 2849;
    g.m.Chesspiece.left = marker_left;
    lock_controls(g, "my_cards", true);
    lock_controls(g, "options", true);
  };
  switch (s) {
    case 1: opponent_begins(0, 5562); break;
    case 2: opponent_begins(2, 6046); break;
    default:
      table_talk(g, 3);
      hand_over_to_human(g);
      break;
  }

  g.show_cards = false;
  g.m.Command1.caption = "Открыть карты";

  g.m.koncard.visible = true;
  g.m.Frame1_visible = true;
  g.m.Chesspiece.visible = true;
  g.m.Label_of_heap.visible = g.m.Label_of_otboy.visible = true;
  g.m.in_heap.visible = g.m.in_otboy.visible = true;
  g.m.myname.visible = true;
  for (int k = 1; k <= 4; ++k) g.m.konpic[k].visible = true;
  g.m.mainbutton.visible = true;

  g.cpu1_out = g.cpu2_out = g.player_out = false;
  g.m.Example.picture = back_picture(stored_back(g.settings.skin));
  g.m.myname.caption = g.settings.player_name;
  redraw_table(g);
  table_talk(g, 1);
  g.m.neveru.visible = false;
  g.m.veru.visible = false;
  g.m.Command1.visible = g.open_cards_allowed;
}

}  // namespace blefino
