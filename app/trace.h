#pragma once
// BLEFINO_TRACE=1: the game tells on standard error what a watcher needs to
// follow it without looking at the screen: each deal, each hand-over to the
// human, each message box and each game's end. Tests of the real window wait
// on these lines. The start-up tells how long each of its steps took, up to
// the name window on the screen.

#include <chrono>
#include <cstdint>
#include <optional>

#include "core/game.h"

namespace blefino {

bool trace_wanted();

// BLEFINO_SEED: a whole number that seeds the game's chance, so every run deals
// and plays alike. Unset gives none; anything but digits is named on standard
// error and ignored.
std::optional<std::uint64_t> seed_wanted();

// Passes everything on to the real host, telling each message box first.
class TracingHost final : public Host {
 public:
  explicit TracingHost(Host& inner) : inner_(inner) {}
  Answer message(const std::string& text, const std::string& title, Icon icon,
                 Buttons buttons) override;
  void pause() override { inner_.pause(); }
  LocalDateTime now() override { return inner_.now(); }
  void save_all(const Settings& settings) override { inner_.save_all(settings); }
  void end_program() override { inner_.end_program(); }
  void show_model() override { inner_.show_model(); }

 private:
  Host& inner_;
};

// "start-up <step> <ms>": the time since the previous step, when tracing.
class StartupClock {
 public:
  explicit StartupClock(bool on) : on_(on) {}
  void step(const char* name);

 private:
  bool on_;
  std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

class TracingObserver final : public Observer {
 public:
  void dealt(Seat first, int portrait1, int portrait2) override;
  void handed_over() override;
  void ended(Result result) override;
};

}  // namespace blefino
