#pragma once
// The opponents' moves told in words, for a player who cannot see the table:
// who moved, how many cards, the claim, the answer and the cards it turned
// over, one short Russian sentence a move. The window only passes them on to
// a screen reader; the words are made here, from what the game tells.

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/game.h"

namespace blefino {

// "1 карта", "2 карты", "5 карт": the form of a noun after a count, given as
// its forms for one, for two to four and for five or more.
std::string counted(int n, const char* one, const char* few, const char* many);

// A card as a player names it: "дама пик", "10 червей".
std::string card_words(int code);

class Narrator final : public Observer {
 public:
  // Sentences of the current round kept for reading again.
  static constexpr std::size_t kKept = 10;

  explicit Narrator(const Game& game) : game_(game) {}

  void dealt(Seat first, int portrait1, int portrait2) override;
  void played(Seat who, Play what) override;

  // The current round's last sentences, oldest first. A new round (a lead,
  // the human's first card, a new deal) starts it afresh.
  const std::deque<std::string>& round() const { return round_; }
  // The sentences said since the last call, oldest first: what is still to be spoken.
  std::vector<std::string> take_new();

 private:
  void tell(std::string sentence);
  std::string laid(Seat who, const char* verb) const;
  std::string answered(Seat who, bool believed) const;

  const Game& game_;
  std::deque<std::string> round_;
  std::vector<std::string> new_;
};

// Passes every event on to each of several observers (the trace, the narrator).
class Observers final : public Observer {
 public:
  Observers(std::initializer_list<Observer*> all);
  void dealt(Seat first, int portrait1, int portrait2) override;
  void played(Seat who, Play what) override;
  void handed_over() override;
  void ended(Result result) override;

 private:
  std::vector<Observer*> all_;
};

}  // namespace blefino
