#pragma once
// The one set of game variables every routine reads and writes.

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "card.h"
#include "host.h"
#include "pile.h"

namespace blefino {

struct GameState {
  // The piles; every new game replaces them with empty ones.
  Pile cpu1_cards, cpu2_cards, player_cards;
  Pile otboy_cards;  // the discard pile, out of play for the rest of the game
  Pile kon_cards;    // the batch: the latest move's cards, the ones an answer tests
  Pile heap_cards;   // earlier batches of the current round
  Pile player_pick;  // hand positions of the human's first six clicks
  Pile pick_rest, pick_group;
  Pile cpu1_known, cpu2_known;  // what each opponent has seen go out of play
  Pile cpu1_laid, cpu2_laid;    // what each opponent laid into the current round

  std::array<CardCode, 37> deck{};  // 1..36 during the deal

  std::int16_t next_mover = 0;  // 1 opponent 1, 2 opponent 2, 3 the human
  bool cpu1_out = false, cpu2_out = false, player_out = false;
  bool show_cards = false;
  bool open_cards_allowed = false;

  std::int16_t cpu1_name_idx = 0, cpu2_name_idx = 0;
  std::string cpu1_name, cpu2_name;

  // What the opponents learn; lives for the whole run.
  std::int16_t player_veru_count = 0;
  std::int16_t player_neveru_count = 0;
  std::int16_t cpu1_count_a = 0;  // batches opponent 1 answered that were true
  std::int16_t cpu1_count_b = 0;  // ... and false

  // Decisions of the move in progress.
  bool player_said_veru = false;
  bool cpu1_flag = false, cpu2_flag = false;
  std::int16_t cpu_rnd = 0;
  bool cpu_pick_done = false;

  // Stored settings and results: player_name, skin, win, loss, draw.
  Settings settings;
};

// The learning counters stop at the top of their range instead of wrapping.
inline void count_up(std::int16_t& counter) {
  if (counter < std::numeric_limits<std::int16_t>::max()) ++counter;
}

}  // namespace blefino
