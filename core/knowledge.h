#pragma once
// What a seat at the table knows: its own cards and what everyone saw happen.
// The memory is told the game's events as they happen (a deal, a card laid, a
// batch turned over and where the round went, an answer); a player who lays a
// card face down learns which card it was, everyone else only that one was
// laid. The view of one seat is built from that memory and from what lies
// open on the table, never from a card that seat cannot see.

#include <array>
#include <cstdint>
#include <optional>

#include "core/card.h"
#include "core/pile.h"
#include "core/seat.h"

namespace blefino {

struct Game;

// Per rank 1..9 (element 0 unused).
using RankCounts = std::array<std::int8_t, 10>;

// How the claims a seat made turned out when turned over, by how the batch
// was laid (0 opening a round, 1 on another's claim) and its size 1..4.
struct ClaimRecord {
  std::array<std::array<std::int32_t, 5>, 2> honest{}, lies{};
  friend bool operator==(const ClaimRecord&, const ClaimRecord&) = default;
};

// How a seat answered the claims put to it, by the size of the batch 1..4
// and of the whole round (up to 2 cards, up to 5, more): how many it faced,
// and how many of those it believed and doubted (the rest it laid on).
struct AnswerRecord {
  using Counts = std::array<std::array<std::int32_t, 5>, 3>;
  Counts faced{}, believed{}, doubted{};
  static std::size_t round_size(int cards) { return cards <= 2 ? 0 : cards <= 5 ? 1 : 2; }
  friend bool operator==(const AnswerRecord&, const AnswerRecord&) = default;
};

// One seat's view of the table: everything its decisions may read.
struct SeatView {
  Seat seat = Seat::Cpu1;
  Pile hand;                   // its own cards, in the order it holds them
  PerSeat<int> cards{};        // cards in every hand
  PerSeat<bool> out{};         // who has dropped out
  int batch = 0;               // cards on the batch (face down) ...
  int heap = 0;                // ... and under it, this round
  int claimed_rank = 0;        // the standing claim, 0 when the batch is empty
  Seat claimer = Seat::Cpu1;   // who laid the batch
  bool claim_opened = false;   // the batch opened the round (rather than answered a claim)
  RankCounts gone{};           // cards known to be out of play
  PerSeat<RankCounts> held{};  // cards seen going into another hand and not seen since
  RankCounts mine_in_round{};  // its own cards under the batch this round
  PerSeat<ClaimRecord> claims{};
  PerSeat<AnswerRecord> answers{};
  int human_believed = 0, human_doubted = 0;  // the human's answers, as everyone heard them

  friend bool operator==(const SeatView&, const SeatView&) = default;
};

// Cards of `rank` a seat could still hold or have laid face down, by what it knows:
// four, less its own, those known out of play or in this round from its own
// hand, and those seen going into any hand but `other`'s.
int unaccounted(const SeatView& v, int rank, Seat other);

class TableMemory {
 public:
  void dealt();  // a new game: nothing seen yet; the records of the run stay
  void laid(Seat who, CardCode card);
  // The batch was turned over (or, for an empty batch, found true) and the
  // round went to `taker`'s hand, or out of play when there is none.
  void settled(const Pile& shown, int rank, std::optional<Seat> taker);
  void answered(Seat who, bool doubted);  // "Верю" or "Не верю", said by `who`

  // What a seat knows of where a card is: nothing, out of play, in a hand, or
  // in this round from its own hand.
  enum class Place : std::uint8_t { Unknown, Gone, Cpu1, Cpu2, Human, MineInRound };

 private:
  friend SeatView what_seat_knows(const Game& g, Seat seat);

  PerSeat<std::array<Place, 50>> places_{};
  Seat layer_ = Seat::Cpu1;    // who laid the batch
  int batch_ = 0, round_ = 0;  // cards in the batch and in the whole round
  bool opened_ = false;        // the batch opened the round
  PerSeat<ClaimRecord> claims_{};
  PerSeat<AnswerRecord> answers_{};
};

// Built fresh for every decision: the public table plus the seat's own memory.
SeatView what_seat_knows(const Game& g, Seat seat);

}  // namespace blefino
