#pragma once
// A card is its code: 10 × suit + rank index. Suits 1..4 are diamonds, hearts,
// clubs, spades; ranks 1..9 run from six to ace. The code doubles as the
// element number of the card's face in the picture store.

#include <array>
#include <cstdint>
#include <string_view>

namespace blefino {

using CardCode = std::int16_t;

constexpr int rank_of(int code) { return code % 10; }
constexpr int suit_of(int code) { return code / 10; }
constexpr bool is_valid_code(int code) {
  return suit_of(code) >= 1 && suit_of(code) <= 4 && rank_of(code) >= 1;
}

// Rank first, then suit: the order the human's hand is shown in. The digit
// exchange is its own inverse, so the same function turns a key back into a code.
constexpr int display_key(int code) { return 10 * (code % 10) + code / 10; }

// Captions of the rank buttons Option1(1..9).
inline constexpr std::array<std::string_view, 10> kRankCaptions = {
    "", "Шестёрка", "Семёрка", "Восьмёрка", "Девятка", "Десятка", "Валет", "Дама", "Король", "Туз"};

// The nine computer opponents, rows 1..9; rows 6..8 are women.
inline constexpr std::array<std::string_view, 10> kOpponentNames = {
    "",     "TORVIK", "GORDAN", "KRUMP", "DUKE LOPATSKY", "BARNABY KROSS",
    "LILA", "MIRTA",  "DORINA", "GRUB"};

// The card backs on offer, numbered 0..17.
inline constexpr int kBackCount = 18;

// Rows 6..8 of the name table are women: the verdicts say "проиграла" of them.
constexpr bool is_feminine_row(int row) { return row >= 6 && row <= 8; }

// All 36 codes in pack order: 11..19, 21..29, 31..39, 41..49.
constexpr std::array<CardCode, 36> full_pack() {
  std::array<CardCode, 36> pack{};
  int i = 0;
  for (int suit = 1; suit <= 4; ++suit)
    for (int rank = 1; rank <= 9; ++rank) pack[i++] = static_cast<CardCode>(10 * suit + rank);
  return pack;
}

}  // namespace blefino
