#pragma once
// A host that answers messages from a script and remembers what happened.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
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
};

class FakeHost : public Host {
 public:
  Answer message(const std::string& text, const std::string& title, Icon icon,
                 Buttons buttons) override {
    messages.push_back({text, title, icon, buttons});
    if (answers.empty()) return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    Answer a = answers.front();
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
  int ended = 0;
  int shown = 0;
};

// Opponents that hand the move straight to the human: enough for the windows.
class PassingOpponents : public Opponents {
 public:
  Next move(Game&, int) override { return Next::Human; }
};

struct TestGame {
  FakeHost host;
  MtRandom rng{7};
  PassingOpponents opponents;
  Game g{host, rng, opponents};
};

// Runs `action`, which is expected to open a modal window, and closes that
// window as soon as it shows. Returns its object name, or "" when none opened.
inline QString modal_opened_by(const std::function<void()>& action) {
  QString seen;
  QTimer::singleShot(0, [&seen] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      seen = w->objectName();
      w->close();
    }
  });
  action();
  QCoreApplication::processEvents();
  return seen;
}

}  // namespace blefino::fakes
