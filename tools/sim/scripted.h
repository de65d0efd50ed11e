#pragma once
// A table without a window: a host that answers every message from a script,
// and a human who plays through the same handlers the window calls.

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/narration.h"
#include "opponents/opponents.h"

namespace blefino::sim {

enum class Policy { Random, Trusting, Doubting, Honest, Sensible };
bool parse_policy(const std::string& name, Policy& out);
const char* policy_name(Policy p);

// Answers Yes to "Сыграем еще раз?" until the wanted number of games has been
// played, then No; OK to everything else. The pause takes no time.
class ScriptedHost final : public Host {
 public:
  explicit ScriptedHost(std::uint64_t games_wanted) : games_wanted_(games_wanted) {}
  Answer message(const std::string& text, const std::string& title, Icon icon,
                 Buttons buttons) override;
  // A chain of computer moves that never reaches the human would never end.
  void pause() override {
    if (++pauses_this_game > kPauseLimit) throw std::runtime_error("a game that does not end");
    ++pauses;
    if (record) record->push_back("пауза");
  }
  LocalDateTime now() override { return today; }
  void save_all(const Settings&) override { ++saves; }
  void end_program() override { ended = true; }

  struct Shown {
    std::string text, title;
    Icon icon;
    Buttons buttons;
  };
  LocalDateTime today{2026, 6, 15, 12, 0, 0};
  std::uint64_t games_finished = 0, pauses = 0, saves = 0;
  bool ended = false;
  std::uint64_t pauses_this_game = 0;
  static constexpr std::uint64_t kPauseLimit = 1'000'000;
  bool keep_messages = false;  // tests keep every message to inspect it
  std::vector<Shown> shown;
  std::vector<std::string>* record = nullptr;  // a game's record: its boxes and pauses

 private:
  std::uint64_t games_wanted_;
};

// The scripted human: one action per call, chosen by its policy.
class ScriptedHuman {
 public:
  ScriptedHuman(Policy policy, std::uint64_t seed) : policy_(policy), rng_(seed) {}
  // Makes one action through the handlers; false when no control allows any.
  bool act(Game& g);

  std::vector<std::string>* record = nullptr;  // a game's record: what the human did

 private:
  void note(const std::string& what) {
    if (record) record->push_back("игрок: " + what);
  }
  bool act_random(Game& g);
  bool act_answering(Game& g, bool believe);
  bool act_honest(Game& g);
  bool act_sensible(Game& g);
  void lay_rank(Game& g, int rank);  // every card of `rank` it holds, up to four
  void lay(Game& g, int position);   // a card is laid by pressing it until it leaves the hand
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  Policy policy_;
  std::mt19937_64 rng_;
};

// The figures of a run: what the tool counts, the game only tells.
struct OpponentStats {
  std::uint64_t leads = 0, lead_bluffs = 0, adds = 0, add_bluffs = 0, blind_adds = 0, veru = 0,
                neveru = 0, impossible = 0;
  friend bool operator==(const OpponentStats&, const OpponentStats&) = default;
};
struct PlayStats {
  std::uint64_t games = 0, wins = 0, losses = 0, draws = 0, moves = 0;
  std::array<std::uint64_t, 4> first_mover{};                    // 1..3
  std::array<std::array<std::uint64_t, 10>, 3> opponent_rows{};  // [1..2][1..9]
  std::array<OpponentStats, 3> opponents{};                      // 1..2
  friend bool operator==(const PlayStats&, const PlayStats&) = default;
};

// Counts what the game tells into PlayStats.
class Tally final : public Observer {
 public:
  PlayStats stats;
  void dealt(Seat first, int portrait1, int portrait2) override;
  void played(Seat who, Play what) override;
  void ended(Result result) override;
};

// A game's record, one line a step: each deal, every move in words with the
// cards really laid, every box, pause and hand-over, and each game's end.
class Recorder final : public Observer {
 public:
  Recorder(const Game& g, std::vector<std::string>& lines) : g_(g), lines_(lines), words_(g) {}
  void dealt(Seat first, int portrait1, int portrait2) override;
  void played(Seat who, Play what) override;
  void handed_over() override;

 private:
  const Game& g_;
  std::vector<std::string>& lines_;
  Narrator words_;
};

struct RunResult {
  PlayStats stats;
  std::uint64_t handler_calls = 0;
  std::string fault;  // empty, or what went wrong: a fault of the game
};

// Plays `games` complete games as one run of the program would. `after_step`
// runs after every handler call (tests check the table there); `record`, when
// given, gets the games' record.
RunResult run(std::uint64_t games, std::uint64_t seed, Policy policy,
              const std::function<void(const Game&)>& after_step = {}, Level level = Level::Default,
              std::vector<std::string>* record = nullptr);

bool parse_level(const std::string& name, Level& out);
const char* level_name(Level level);

}  // namespace blefino::sim
