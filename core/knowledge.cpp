// The table's memory, fed by the game's events, and one seat's view of it.
#include "core/knowledge.h"

#include <algorithm>

#include "core/game.h"

namespace blefino {

namespace {

TableMemory::Place place_of(Seat s) {
  switch (s) {
    case Seat::Cpu1:
      return TableMemory::Place::Cpu1;
    case Seat::Cpu2:
      return TableMemory::Place::Cpu2;
    case Seat::Human:
      break;
  }
  return TableMemory::Place::Human;
}

std::size_t size_index(int cards) { return static_cast<std::size_t>(std::clamp(cards, 1, 4)); }

}  // namespace

void TableMemory::dealt() {
  for (auto& places : places_) places.fill(Place::Unknown);
  batch_ = round_ = 0;
  opened_ = false;
}

void TableMemory::laid(Seat who, CardCode card) {
  if (batch_ > 0 && who != layer_) {  // laid on another's claim: the batch goes under
    ++answers_[who].faced[AnswerRecord::round_size(round_)][size_index(batch_)];
    batch_ = 0;
  }
  if (batch_ == 0) {
    opened_ = round_ == 0;
    layer_ = who;
  }
  ++batch_;
  ++round_;
  places_[who][static_cast<std::size_t>(card)] = Place::MineInRound;
}

void TableMemory::answered(Seat who, bool doubted) {
  if (batch_ == 0) return;
  AnswerRecord& r = answers_[who];
  const std::size_t round = AnswerRecord::round_size(round_);
  ++r.faced[round][size_index(batch_)];
  ++(doubted ? r.doubted : r.believed)[round][size_index(batch_)];
}

void TableMemory::settled(const Pile& shown, int rank, std::optional<Seat> taker) {
  const Place to = taker ? place_of(*taker) : Place::Gone;
  if (!shown.empty()) {
    const bool honest =
        std::all_of(shown.begin(), shown.end(), [rank](CardCode c) { return rank_of(c) == rank; });
    auto& record = honest ? claims_[layer_].honest : claims_[layer_].lies;
    ++record[opened_ ? 0 : 1][size_index(shown.count())];
  }
  for (auto& places : places_) {
    for (CardCode c : shown) places[static_cast<std::size_t>(c)] = to;
    // What a seat laid itself it follows wherever the round goes.
    for (Place& p : places)
      if (p == Place::MineInRound) p = to;
  }
  batch_ = round_ = 0;
}

int unaccounted(const SeatView& v, int rank, Seat other) {
  int n =
      4 - v.gone[static_cast<std::size_t>(rank)] - v.mine_in_round[static_cast<std::size_t>(rank)];
  for (CardCode c : v.hand)
    if (rank_of(c) == rank) --n;
  for (Seat s : kSeats)
    if (s != other && s != v.seat) n -= v.held[s][static_cast<std::size_t>(rank)];
  return std::max(n, 0);
}

SeatView what_seat_knows(const Game& g, Seat seat) {
  const TableMemory& m = g.memory;
  SeatView v;
  v.seat = seat;
  v.hand = g.hand(seat);
  for (Seat s : kSeats) {
    v.cards[s] = g.hand(s).count();
    v.out[s] = g.seat(s).out;
  }
  v.batch = g.batch.count();
  v.heap = g.heap.count();
  if (!g.batch.empty()) {
    v.claimed_rank = g.claimed_rank;
    v.claimer = m.layer_;
    v.claim_opened = m.opened_;
  }
  std::array<bool, 50> in_hand{};
  for (CardCode c : v.hand) in_hand[static_cast<std::size_t>(c)] = true;
  for (CardCode c : full_pack()) {
    const auto i = static_cast<std::size_t>(c);
    if (in_hand[i]) continue;
    const auto r = static_cast<std::size_t>(rank_of(c));
    switch (m.places_[seat][i]) {
      case TableMemory::Place::Unknown:
        break;
      case TableMemory::Place::Gone:
        ++v.gone[r];
        break;
      case TableMemory::Place::Cpu1:
        ++v.held[Seat::Cpu1][r];
        break;
      case TableMemory::Place::Cpu2:
        ++v.held[Seat::Cpu2][r];
        break;
      case TableMemory::Place::Human:
        ++v.held[Seat::Human][r];
        break;
      case TableMemory::Place::MineInRound:
        ++v.mine_in_round[r];
        break;
    }
  }
  v.held[seat] = {};  // its own hand says it better
  v.claims = m.claims_;
  v.answers = m.answers_;
  v.human_believed = g.human_believed;
  v.human_doubted = g.human_doubted;
  return v;
}

}  // namespace blefino
