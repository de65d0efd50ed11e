// Dealing a fresh game.
#include <array>
#include <cmath>
#include <utility>

#include "core/game.h"

namespace blefino {

// Each card is swapped with one strictly below it (Sattolo's walk).
std::array<CardCode, 37> shuffled_pack(Random& rng) {
  std::array<CardCode, 37> deck{};  // 1..36
  const auto pack = full_pack();
  for (int i = 1; i <= 36; ++i) deck[i] = pack[static_cast<std::size_t>(i - 1)];
  rng.reseed();
  for (int j = 36; j >= 1; --j) {
    const int r = static_cast<int>(std::floor((j - 1) * rng.next() + 1));
    std::swap(deck[r], deck[j]);
  }
  return deck;
}

void new_game(Game& g) {
  ++g.generation;
  g.memory.dealt();
  for (SeatState& s : g.seats) {
    s.hand.clear();
    s.laid.clear();
    s.known.clear();
    s.out = false;
  }
  g.batch.clear();
  g.heap.clear();
  g.discard.clear();
  g.first_clicks.clear();
  g.raised_slot = 0;  // the new hand lies flat
  // No line of the old game survives into the new one: the table starts as it opened.
  g.seat(Seat::Cpu1).said = {Line::Hello};
  g.seat(Seat::Cpu2).said = {Line::Hello};
  g.seat(Seat::Human).said = {Line::Silent};
  g.main_enabled = true;

  // Round the table from opponent 2: it gets the first card, the human the second.
  const auto deck = shuffled_pack(g.rng);
  constexpr std::array<Seat, 3> kDealOrder = {Seat::Cpu1, Seat::Cpu2, Seat::Human};
  for (int k = 1; k <= 36; ++k) g.hand(kDealOrder[static_cast<std::size_t>(k % 3)]).add(deck[k]);

  // Two different opponents. Rounding a value in [1, 9) reaches row 9 too.
  int a = 0, b = 0;
  do {
    g.rng.reseed();
    a = round_half_even(g.rng.next() * 8 + 1);
    b = round_half_even(g.rng.next() * 8 + 1);
  } while (a == b);
  g.seat(Seat::Cpu1).portrait = a;
  g.seat(Seat::Cpu2).portrait = b;
  g.seat(Seat::Cpu1).name = std::string(kOpponentNames[a]);
  g.seat(Seat::Cpu2).name = std::string(kOpponentNames[b]);

  g.rng.reseed();
  const int roll = round_half_even(2 * g.rng.next() + 1);  // 1..3
  const Seat first = kSeats[static_cast<std::size_t>(roll - 1)];
  g.to_move = first;
  if (g.observer) g.observer->dealt(first, a, b);
  if (first == Seat::Human) {
    say(g, Seat::Human, Line::YourMove);
    hand_over_to_human(g);
  } else {
    // An opponent who begins says so and waits for the main button.
    say(g, first, Line::IMove);
    g.marker = first;
    lock_human(g);
  }

  g.show_cards = false;
  g.dealt = true;
  g.over = false;
  g.back = stored_back(g.settings.skin);
  arrange_human_hand(g);
  greet(g);
  g.answer_awaited = false;
  g.show_cards_offered = g.open_cards_allowed;
}

void choose_back(Game& g, int back) {
  if (back >= 0 && back < kBackCount) g.back = back;
}

bool is_secret_name(const std::string& name) { return name == "kvardo"; }

}  // namespace blefino
