#pragma once
// The game: its state and the routines that play by the rules. The window
// calls the handlers at the bottom and shows table_view(); nothing here knows about Qt.

#include <array>
#include <cstdint>
#include <string>

#include "core/game_state.h"
#include "core/host.h"
#include "core/knowledge.h"
#include "core/random.h"
#include "core/stored_count.h"

namespace blefino {

struct Game;

// What a computer move hands on to: the driver loop runs it.
enum class Next { Cpu1, Cpu2, Human, Stop };

// The two computer opponents live in their own library; the core reaches
// them through this seam so that it depends on nothing above it.
class Opponents {
 public:
  virtual ~Opponents() = default;
  virtual Next move(Game& game, Seat who) = 0;
};

// What happened at the table, for whoever wants to count or follow it (the
// self-play tool, the trace). The rules only tell; they keep no tally.
enum class Play {
  Opened,  // the human laid the first card of a move
  Led,
  LedBluff,  // an opponent opened a round, honestly or not
  Added,
  AddedBluff,  // an opponent laid cards on a claim of a rank it holds
  AddedBlind,  // ... or on a claim of a rank it does not hold
  Believed,
  Doubted,            // an answer
  RefusedImpossible,  // opponent 1 doubted a claim its count proves false
};
enum class Result { Win, Loss, Draw };

class Observer {
 public:
  virtual ~Observer() = default;
  virtual void dealt(Seat /*first*/, int /*portrait1*/, int /*portrait2*/) {}
  // An opponent's lead or add once its cards lie in the batch; an answer while the
  // batch it turns over still lies there.
  virtual void played(Seat /*who*/, Play /*what*/) {}
  virtual void handed_over() {}  // the move reached the human
  virtual void ended(Result /*result*/) {}
};

struct Game : GameState {
  Game(Host& host, Random& rng, Opponents& opponents)
      : host(host), rng(rng), opponents(opponents) {}

  Host& host;
  Random& rng;
  Opponents& opponents;
  Observer* observer = nullptr;
  TableMemory memory;  // what each seat has seen happen; the experienced opponents decide by it

  // Grows with every new game: a routine that sees it change knows its game
  // is over and does nothing more on its behalf.
  std::uint64_t generation = 0;
  bool stopped = false;  // the program is ending

  void tell(Seat who, Play what) {
    if (what == Play::Believed || what == Play::Doubted || what == Play::RefusedImpossible)
      memory.answered(who, what != Play::Believed);
    if (observer) observer->played(who, what);
  }
};

// True when the game a routine started in is over, or the program is ending.
inline bool halted(const Game& g, std::uint64_t generation) {
  return g.stopped || g.generation != generation;
}

inline constexpr const char* kProgramTitle = "Блефино";

// --- shared routines -------------------------------------------------------
void new_game(Game& g);
// The pack after the shuffle, positions 1..36: every card swapped with one strictly below it.
std::array<CardCode, 37> shuffled_pack(Random& rng);
void greet(Game& g);
void say(Game& g, Seat who, Line line);
void claim(Game& g, int rank);  // the claimed rank, as a click on its button makes it
void lock_human(Game& g);       // the human's cards and the rank buttons take no clicks
void hand_over_to_human(Game& g);
Next pass_on_after(Game& g, Seat who);  // pauses, then names who moves next
void run_moves(Game& g, Next next);     // the driver loop of computer moves
Next next_of(Seat s);

void push_to_heap(Game& g);
void arrange_human_hand(Game& g);  // rank first, then suit, as the hand is shown
// The round's cards into a hand, the batch first, then the heap; the laid lists are forgotten.
void take_round(Game& g, Seat taker);
// An honest batch believed: the round leaves the game. Opponent 1 remembers the
// batch when `cpu1_sees`, opponent 2 when `cpu2_sees`; both remember what they laid.
void round_to_discard(Game& g, bool cpu1_sees, bool cpu2_sees);

bool claim_is_true(const Game& g);
void announce(Game& g, Verdict verdict, Seat speaker);
std::string verdict_text(const Game& g, Verdict verdict);

// Returns true when it ended the game (a new one was dealt, or the program is ending).
bool end_of_game_check(Game& g);
void play_again(Game& g);

// --- what the window may do now ----------------------------------------------
bool can_press_card(const Game& g, int index);
bool can_pick_rank(const Game& g, int rank);
bool can_press_main(const Game& g);
bool can_answer(const Game& g);
bool can_show_cards(const Game& g);

// --- what the window calls ----------------------------------------------------
void press_card(Game& g,
                int index);  // any mouse button on the human's card at hand position `index`
void click_rank(Game& g, int rank);
void press_main(Game& g);
void press_show_cards(Game& g);
void press_veru(Game& g);
void press_neveru(Game& g);
void choose_back(Game& g, int back);  // the card-back chooser's OK
void quit(Game& g);                   // the player ended the program

// The five hand positions whose clicks, first in a game, show the show-cards button.
inline constexpr std::array<int, 5> kUnlockSequence = {1, 12, 1, 12, 6};

// The start-up window's secret: this name shows the show-cards button.
bool is_secret_name(const std::string& name);

}  // namespace blefino
