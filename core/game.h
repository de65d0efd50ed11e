#pragma once
// The game: state, table model and the routines that play by the rules.
// The window calls the handlers at the bottom; nothing here knows about Qt.

#include <array>
#include <cstdint>

#include "game_state.h"
#include "host.h"
#include "random.h"
#include "stored_count.h"
#include "table_model.h"

namespace blefino {

struct Game;

// What a computer move hands on to: the driver loop runs it.
enum class Next { Cpu1, Cpu2, Human, Stop };

// The two computer opponents live in their own library; the core reaches
// them through this seam so that it depends on nothing above it.
class Opponents {
 public:
  virtual ~Opponents() = default;
  virtual Next move(Game& game, int who) = 0;  // who: 1 or 2
};

// Counters kept for the self-play tool; cheap enough to keep always.
struct OpponentStats {
  std::uint64_t leads = 0, lead_bluffs = 0, adds = 0, add_bluffs = 0, blind_adds = 0,
                veru = 0, neveru = 0, impossible = 0;
  friend bool operator==(const OpponentStats&, const OpponentStats&) = default;
};
struct PlayStats {
  std::uint64_t games = 0, wins = 0, losses = 0, draws = 0, moves = 0;
  std::array<std::uint64_t, 4> first_mover{};                 // 1..3
  std::array<std::array<std::uint64_t, 10>, 3> opponent_rows{};  // [1..2][1..9]
  std::array<OpponentStats, 3> opponents{};                   // 1..2
  friend bool operator==(const PlayStats&, const PlayStats&) = default;
};

struct Game : GameState {
  Game(Host& host, Random& rng, Opponents& opponents)
      : host(host), rng(rng), opponents(opponents) {}

  TableModel m;
  Host& host;
  Random& rng;
  Opponents& opponents;
  PlayStats stats;

  // Grows with every new game: a routine that sees it change knows its game
  // is over and does nothing more on its behalf.
  std::uint64_t generation = 0;
  bool stopped = false;  // the program is ending
};

// True when the game a routine started in is over, or the program is ending.
inline bool halted(const Game& g, std::uint64_t generation) {
  return g.stopped || g.generation != generation;
}

inline constexpr const char* kProgramTitle = "Блефино";

// --- shared routines -------------------------------------------------------
void new_game(Game& g);
void lock_controls(Game& g, const char* word, bool lock);
void refresh_heap(Game& g);
void refresh_otboy(Game& g);
void clear_batch_pictures(Game& g);

void table_talk(Game& g, int code);
int selected_rank(const Game& g);
void select_rank(Game& g, int rank);  // selects Option1(rank) and runs its click
Answer show_message(Game& g, const std::string& text, const std::string& title, Icon icon,
                    Buttons buttons);
void pause(Game& g);
void hand_over_to_human(Game& g);
Next pass_on_after(Game& g, int who);  // pauses, then names who moves next
void run_moves(Game& g, Next next);     // the driver loop of computer moves
Next opponent_after_human(const Game& g);

void push_to_heap(Game& g);

bool claim_check(const Game& g);
void announce(Game& g, int code);

// Returns true when it ended the game (a new one was dealt, or the program is ending).
bool end_of_game_check(Game& g);
void play_again(Game& g);

// --- drawing on the table model ---------------------------------------------
void draw_human_hand(Game& g);
void draw_cpu_hand(Game& g, int who);
void draw_batch(Game& g);
void reveal_batch(Game& g);
void redraw_table(Game& g);
int current_back(const Game& g);

// --- what the window calls ----------------------------------------------------
void press_card(Game& g, int index);  // any mouse button on koloda3(index)
void click_rank(Game& g, int index);  // Option1(index)
void press_main(Game& g);
void press_show_cards(Game& g);
void press_veru(Game& g);
void press_neveru(Game& g);
void quit(Game& g);  // the player ended the program

// The five hand positions whose clicks, first in a game, show the show-cards button.
inline constexpr std::array<int, 5> kUnlockSequence = {1, 12, 1, 12, 6};

}  // namespace blefino
