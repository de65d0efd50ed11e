#pragma once
// A host that answers messages from a script and remembers what happened.

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "game.h"
#include "host.h"
#include "random.h"

namespace blefino::fakes {

struct Message {
  std::string text, title;
  Icon icon;
  Buttons buttons;
  friend bool operator==(const Message&, const Message&) = default;
};
inline void PrintTo(const Message& m, std::ostream* os) {
  *os << '"' << m.title << ": " << m.text << "\" icon " << int(m.icon) << " buttons " << int(m.buttons);
}

// Answers in turn from `answers`; when they run out, No to a question and OK otherwise.
class FakeHost : public Host {
 public:
  Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override {
    messages.push_back({text, title, icon, buttons});
    if (answers.empty()) return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void pause() override {}
  LocalDateTime now() override { return {}; }
  void save_all(const Settings& s) override { saves.push_back(s); }
  void end_program() override { ++ended; }
  void show_model() override { ++shown; }

  std::vector<Message> messages;
  std::deque<Answer> answers;
  std::vector<Settings> saves;
  int ended = 0, shown = 0;
};

// Opponents that hand the move straight to the human: enough for the windows.
struct PassingOpponents : Opponents {
  Next move(Game&, int) override { return Next::Human; }
};

struct TestGame {
  FakeHost host;
  MtRandom rng{7};
  PassingOpponents opponents;
  Game g{host, rng, opponents};
};

}  // namespace blefino::fakes
