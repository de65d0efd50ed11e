// The opponents' moves in words.
#include "core/narration.h"

#include <array>
#include <string_view>

namespace blefino {

namespace {

// Ranks 1..9 as a claim names them: one card, and the rank itself.
constexpr std::array<std::string_view, 10> kRankOne = {
    "", "шестёрка", "семёрка", "восьмёрка", "девятка", "десятка", "валет", "дама", "король", "туз"};
constexpr std::array<std::string_view, 10> kRankMany = {
    "",        "шестёрки", "семёрки", "восьмёрки", "девятки",
    "десятки", "валеты",   "дамы",    "короли",    "тузы"};

std::string rank_words(int rank, bool one) {
  if (rank < 1 || rank > 9) return {};
  return std::string((one ? kRankOne : kRankMany)[static_cast<std::size_t>(rank)]);
}

// "дама пик и 7 треф", "6 бубен, 6 червей и туз пик".
std::string listed(const Pile& cards) {
  std::string out;
  for (int i = 1; i <= cards.count(); ++i) {
    if (i > 1) out += i == cards.count() ? " и " : ", ";
    out += card_words(cards.item(i));
  }
  return out;
}

}  // namespace

std::string counted(int n, const char* one, const char* few, const char* many) {
  const int tens = n % 100, units = n % 10;
  const char* word = units == 1 && tens != 11                               ? one
                     : units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? few
                                                                            : many;
  return std::to_string(n) + " " + word;
}

std::string card_words(int code) {
  static constexpr std::array<std::string_view, 9> ranks = {"6",     "7",    "8",      "9",  "10",
                                                            "валет", "дама", "король", "туз"};
  static constexpr std::array<std::string_view, 4> suits = {"бубен", "червей", "треф", "пик"};
  if (!is_valid_code(code)) return "карта";
  return std::string(ranks[static_cast<std::size_t>(rank_of(code) - 1)]) + " " +
         std::string(suits[static_cast<std::size_t>(suit_of(code) - 1)]);
}

void Narrator::dealt(Seat, int, int) { round_.clear(); }

void Narrator::played(Seat who, Play what) {
  if (who == Seat::Human) {
    if (what == Play::Opened) round_.clear();  // the human opens a round
    return;
  }
  switch (what) {
    case Play::Led:
    case Play::LedBluff:
      round_.clear();
      return tell(laid(who, "положил"));
    case Play::Added:
    case Play::AddedBluff:
    case Play::AddedBlind:
      return tell(laid(who, "добавил"));
    case Play::Believed:
      return tell(answered(who, true));
    case Play::Doubted:
    case Play::RefusedImpossible:
      return tell(answered(who, false));
    case Play::Opened:
      return;
  }
}

std::vector<std::string> Narrator::take_new() {
  std::vector<std::string> out;
  out.swap(new_);
  return out;
}

void Narrator::tell(std::string sentence) {
  if (round_.size() == kKept) round_.pop_front();
  round_.push_back(sentence);
  new_.push_back(std::move(sentence));
}

// "DORINA положила 2 карты, заявка: дамы." The cards lie face down: only
// their number and the claim are known.
std::string Narrator::laid(Seat who, const char* verb) const {
  const SeatState& s = game_.seat(who);
  return s.name + " " + verb + (is_feminine_row(s.portrait) ? "а " : " ") +
         counted(game_.batch.count(), "карту", "карты", "карт") +
         ", заявка: " + rank_words(game_.claimed_rank, false) + ".";
}

// "LILA не поверила, что это дамы; открыты 2 карты: дама пик и 7 треф." Told
// before the verdict, while the turned cards still lie in the batch.
std::string Narrator::answered(Seat who, bool believed) const {
  const SeatState& s = game_.seat(who);
  const int n = game_.batch.count();
  return s.name + (believed ? " поверил" : " не поверил") +
         (is_feminine_row(s.portrait) ? "а" : "") + ", что это " +
         rank_words(game_.claimed_rank, n == 1) + "; " + (n == 1 ? "открыта " : "открыты ") +
         counted(n, "карта", "карты", "карт") + ": " + listed(game_.batch) + ".";
}

Observers::Observers(std::initializer_list<Observer*> all) {
  for (Observer* o : all)
    if (o) all_.push_back(o);
}

void Observers::dealt(Seat first, int portrait1, int portrait2) {
  for (Observer* o : all_) o->dealt(first, portrait1, portrait2);
}
void Observers::played(Seat who, Play what) {
  for (Observer* o : all_) o->played(who, what);
}
void Observers::handed_over() {
  for (Observer* o : all_) o->handed_over();
}
void Observers::ended(Result result) {
  for (Observer* o : all_) o->ended(result);
}

}  // namespace blefino
