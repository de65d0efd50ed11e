#pragma once
// The game in its own words: who holds what, whose move it is, what was
// claimed and said. Every rule reads and writes only this; what the window
// shows is derived from it (table_view.h).

#include <cstdint>
#include <limits>
#include <string>

#include "core/card.h"
#include "core/host.h"
#include "core/pile.h"
#include "core/seat.h"

namespace blefino {

// What a player says at the table. The texts are in table_view.cpp.
enum class Line {
  Silent,
  Hello,     // the opening table, before any game
  IMove,     // an opponent opens a round
  YourMove,  // to the human
  Believe,
  DontBelieve,
  Adding,
  GoodLuck,  // opponent 1's greeting outside December
  Ready,     // opponent 2's greeting: "are you ready to lose?"
  HappyNewYear,
  DaysLeft,  // days until the New Year, in December
};

struct Speech {
  Line line = Line::Silent;
  int days = 0;  // for Line::DaysLeft
};

// What the verdict boxes say; titled with the speaking opponent's name.
enum class Verdict { ITake, Discard, YouTake };

struct SeatState {
  Pile hand;
  bool out = false;  // emptied the hand while others play on
  Pile laid;         // what an opponent laid into the current round
  Pile known;        // what an opponent has seen go out of play
  int portrait = 0;  // row of the opponent-name table, 1..9
  std::string name;
  Speech said;
};

struct GameState {
  PerSeat<SeatState> seats;
  Pile batch;         // the latest move's cards: the ones an answer tests
  Pile heap;          // earlier batches of the current round
  Pile discard;       // out of play for the rest of the game
  Pile first_clicks;  // hand positions of the human's first six clicks in a game

  bool dealt = false;           // a game is on the table (false only before the first deal)
  bool over = false;            // the game has ended; the question of another is asked
  Seat to_move = Seat::Cpu1;    // who the main button hands the move to
  Seat marker = Seat::Human;    // where the turn marker stands
  bool answer_awaited = false;  // a claim stands and the human may answer it
  int claimed_rank = 1;         // 1..9; carries over from round to round and game to game
  bool claim_named = false;     // the rank label has named a claim since the program started
  int raised_slot = 0;          // the human's hand position lifted by a first click; 0 none
  bool hand_locked = true;      // the human's cards take no clicks
  bool ranks_locked = false;    // the claim cannot be changed
  bool main_enabled = true;
  bool opponents_moving = false;    // computer moves are running: nothing is the human's to press
  bool batch_face_up = false;       // the batch shows its faces rather than backs
  bool show_cards = false;          // the opponents' cards are turned face up
  bool show_cards_offered = false;  // the show-cards button is on the table
  bool open_cards_allowed = false;  // ... from the first deal (a testing aid)
  int back = 1;                     // the card back on the table
  Level level = Level::Default;     // which opponents play; a change counts from their next move

  // What the opponents learn; lives for the whole run.
  std::int16_t human_believed = 0;
  std::int16_t human_doubted = 0;
  std::int16_t cpu1_saw_true = 0;   // batches opponent 1 answered that were true
  std::int16_t cpu1_saw_false = 0;  // ... and false

  // Stored settings and results: player_name, skin, win, loss, draw.
  Settings settings;

  SeatState& seat(Seat s) { return seats[s]; }
  const SeatState& seat(Seat s) const { return seats[s]; }
  Pile& hand(Seat s) { return seats[s].hand; }
  const Pile& hand(Seat s) const { return seats[s].hand; }
};

// The learning counters stop at the top of their range instead of wrapping.
inline void count_up(std::int16_t& counter) {
  if (counter < std::numeric_limits<std::int16_t>::max()) ++counter;
}

}  // namespace blefino
