#pragma once
// A table for tests: one host that records what the player would see and
// answers from a script, one random source that plays back exact values, and
// a way to set up a particular position.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/table_view.h"

namespace blefino::testing {

// Everything the game did through its host, in order: "title: text" for a
// message, "pause", "save win/loss/draw", "end".
class TestHost : public Host {
 public:
  Answer message(const std::string& text, const std::string& title, Icon icon,
                 Buttons buttons) override {
    log.push_back(title + ": " + text);
    icons.push_back(icon);
    if (on_message) on_message();
    if (asks_yes_no(buttons)) {
      if (yes_no.empty()) return Answer::No;
      const Answer a = yes_no.front();
      yes_no.pop_front();
      return a;
    }
    return Answer::Ok;
  }
  void pause() override {
    log.push_back("pause");
    if (on_pause) on_pause();
  }
  LocalDateTime now() override { return today; }
  void save_all(const Settings& s) override {
    saved.push_back(s);
    log.push_back("save " + s.win + "/" + s.loss + "/" + s.draw);
  }
  void end_program() override { log.push_back("end"); }
  void show_model() override { ++shown; }
  int ended() const { return static_cast<int>(std::count(log.begin(), log.end(), "end")); }

  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const auto& e : log)
      if (e != "pause" && e.rfind("save ", 0) != 0 && e != "end") out.push_back(e);
    return out;
  }

  std::vector<std::string> log;
  std::vector<Icon> icons;
  std::deque<Answer> yes_no;  // answers to questions ("Сыграем еще раз?"); No when empty
  std::function<void()> on_message, on_pause;
  LocalDateTime today{2026, 6, 15, 12, 0, 0};
  std::vector<Settings> saved;
  int shown = 0;  // times the game asked for the table to be shown
};

// Plays back the values it was given; once they run out, a fixed-seed generator.
class ScriptRandom : public Random {
 public:
  double next() override {
    if (values.empty()) return fallback.next();
    const double v = values.front();
    values.pop_front();
    return v;
  }
  void push(std::initializer_list<double> vs) { values.insert(values.end(), vs); }
  std::deque<double> values;
  MtRandom fallback{12345};
};

// Stands in for the computer opponents: records each move it is asked for,
// and whether the human could still touch the cards or the main button then
// (or the button looked as if it could be pressed), and hands the move on.
class RecordingOpponents : public Opponents {
 public:
  Next move(Game& g, Seat who) override {
    moves.push_back(who);
    human_could_play.push_back(can_press_card(g, 1) || can_pick_rank(g, 1) || can_press_main(g) ||
                               table_view(g).mainbutton.enabled);
    return then;
  }
  std::vector<Seat> moves;
  std::vector<bool> human_could_play;
  Next then = Next::Stop;
};

inline Pile pile(std::initializer_list<int> codes) {
  Pile p;
  for (int c : codes) p.add(static_cast<CardCode>(c));
  return p;
}

inline std::vector<int> codes(const Pile& p) { return {p.begin(), p.end()}; }

struct Table {
  explicit Table(Opponents* opponents = nullptr) : g(host, rng, opponents ? *opponents : recorder) {
    g.settings.player_name = "Вася";
  }
  TestHost host;
  ScriptRandom rng;
  RecordingOpponents recorder;
  Game g;

  TableModel view() const { return table_view(g); }

  // A dealt game with exactly these hands and opponents (rows of the name table).
  void position(std::initializer_list<int> cpu1, std::initializer_list<int> cpu2,
                std::initializer_list<int> human, int cpu1_row = 1, int cpu2_row = 2) {
    new_game(g);
    g.hand(Seat::Cpu1) = pile(cpu1);
    g.hand(Seat::Cpu2) = pile(cpu2);
    g.hand(Seat::Human) = pile(human);
    arrange_human_hand(g);
    for (auto [seat, row] : {std::pair{Seat::Cpu1, cpu1_row}, std::pair{Seat::Cpu2, cpu2_row}}) {
      g.seat(seat).portrait = row;
      g.seat(seat).name = std::string(kOpponentNames[static_cast<std::size_t>(row)]);
    }
    host.log.clear();
    recorder.moves.clear();
    recorder.human_could_play.clear();
    rng.values.clear();
  }

  // The previous player has laid `batch` claiming `rank`; the human must answer.
  void claim_made(std::initializer_list<int> batch, int rank,
                  std::initializer_list<int> heap = {}) {
    g.batch = pile(batch);
    g.heap = pile(heap);
    claim(g, rank);
    lock_human(g);
    hand_over_to_human(g);
  }

  // Lays the card at hand position `index` as a player does: two presses.
  void lay(int index) {
    press_card(g, index);
    press_card(g, index);
  }
};

}  // namespace blefino::testing
