#pragma once
// A table for tests: a host that records what the game shows and answers from
// a script, a random source that plays back exact values, and helpers to lay
// out a particular position.

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "game.h"

namespace blefino::testing {

struct Shown {
  std::string text, title;
  Icon icon;
  Buttons buttons;
};

class TestHost : public Host {
 public:
  Answer message(const std::string& text, const std::string& title, Icon icon,
                 Buttons buttons) override {
    shown.push_back({text, title, icon, buttons});
    if (on_message) on_message();
    if (buttons == Buttons::YesNo) {
      if (yes_no.empty()) return Answer::No;
      Answer a = yes_no.front();
      yes_no.pop_front();
      return a;
    }
    return Answer::Ok;
  }
  void pause() override { ++pauses; }
  LocalDateTime now() override { return today; }
  void save_all(const Settings& s) override { saved.push_back(s); }
  void end_program() override { ++ended; }

  std::vector<Shown> shown;
  std::deque<Answer> yes_no;  // answers to "Сыграем еще раз?"; No when empty
  std::function<void()> on_message;
  LocalDateTime today{2026, 6, 15, 12, 0, 0};
  std::vector<Settings> saved;
  int pauses = 0;
  int ended = 0;
};

// Plays back the values it was given; once they run out, a fixed-seed generator.
class ScriptRandom : public Random {
 public:
  double next() override {
    if (values.empty()) return fallback.next();
    double v = values.front();
    values.pop_front();
    return v;
  }
  void reseed() override { ++reseeds; }
  void push(std::initializer_list<double> vs) { values.insert(values.end(), vs); }

  std::deque<double> values;
  MtRandom fallback{12345};
  int reseeds = 0;
};

// Records which computer moves the core started; each returns at once.
class RecordingOpponents : public Opponents {
 public:
  Next move(Game&, int who) override {
    moves.push_back(who);
    return Next::Stop;
  }
  std::vector<int> moves;
};

inline Pile pile(std::initializer_list<int> codes) {
  Pile p;
  for (int c : codes) p.add(static_cast<CardCode>(c));
  return p;
}

inline std::vector<int> codes(const Pile& p) { return {p.begin(), p.end()}; }

struct Table {
  explicit Table(Opponents* opponents = nullptr)
      : g(host, rng, opponents ? *opponents : recorder) {
    g.settings.player_name = "Вася";
  }
  TestHost host;
  ScriptRandom rng;
  RecordingOpponents recorder;
  Game g;

  // A dealt game with exactly these hands; everything else empty, names set.
  void position(std::initializer_list<int> cpu1, std::initializer_list<int> cpu2,
                std::initializer_list<int> human, int cpu1_row = 1, int cpu2_row = 2) {
    host.today = {2026, 6, 15, 12, 0, 0};
    new_game(g);
    g.cpu1_cards = pile(cpu1);
    g.cpu2_cards = pile(cpu2);
    g.player_cards = pile(human);
    g.cpu1_name_idx = static_cast<std::int16_t>(cpu1_row);
    g.cpu2_name_idx = static_cast<std::int16_t>(cpu2_row);
    g.cpu1_name = g.m.Labelcpu1.caption = std::string(kOpponentNames[cpu1_row]);
    g.cpu2_name = g.m.Labelcpu2.caption = std::string(kOpponentNames[cpu2_row]);
    redraw_table(g);
    host.shown.clear();
    host.pauses = 0;
    recorder.moves.clear();
    rng.values.clear();
  }

  // The previous player has laid `batch` claiming `rank`; the human must answer.
  void claim(std::initializer_list<int> batch, int rank, std::initializer_list<int> heap = {}) {
    g.kon_cards = pile(batch);
    g.heap_cards = pile(heap);
    select_rank(g, rank);
    lock_controls(g, "options", true);
    hand_over_to_human(g);
    refresh_heap(g);
  }
};

}  // namespace blefino::testing
