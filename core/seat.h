#pragma once
// The three places at the table. Everything a player has is kept per seat and
// indexed by it, so the rules say "the seat that laid the batch" instead of
// picking one of three parallel variables.

#include <array>
#include <cstddef>

namespace blefino {

enum class Seat { Cpu1, Cpu2, Human };

inline constexpr std::array<Seat, 3> kSeats = {Seat::Cpu1, Seat::Cpu2, Seat::Human};

// One value for each seat.
template <class T>
struct PerSeat {
  std::array<T, 3> values{};
  T& operator[](Seat s) { return values[static_cast<std::size_t>(s)]; }
  const T& operator[](Seat s) const { return values[static_cast<std::size_t>(s)]; }
  auto begin() { return values.begin(); }
  auto end() { return values.end(); }
  auto begin() const { return values.begin(); }
  auto end() const { return values.end(); }
  friend bool operator==(const PerSeat&, const PerSeat&) = default;
};

}  // namespace blefino
