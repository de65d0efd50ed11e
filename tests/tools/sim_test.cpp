// Whole games played by the scripted human, checked after every click.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "core/table_view.h"
#include "tools/sim/scripted.h"

namespace blefino::sim {
namespace {

// Every card lies in exactly one owning pile, and the table shows what the piles hold.
void check_table(const Game& g) {
  std::array<int, 50> seen{};
  for (const Pile* p : {&g.hand(Seat::Cpu1), &g.hand(Seat::Cpu2), &g.hand(Seat::Human), &g.batch,
                        &g.heap, &g.discard})
    for (CardCode c : *p) {
      ASSERT_TRUE(is_valid_code(c) && c < 50) << c;
      ++seen[static_cast<std::size_t>(c)];
    }
  for (CardCode c : full_pack()) ASSERT_EQ(seen[static_cast<std::size_t>(c)], 1) << "card " << c;
  ASSERT_LE(g.batch.count(), 4);
  const TableModel m = table_view(g);
  ASSERT_EQ(m.in_heap.caption, " " + std::to_string(g.heap.count()));
  ASSERT_EQ(m.in_otboy.caption, " " + std::to_string(g.discard.count()));
  // What the human sees in the hand is the hand, in order, and only it.
  const Pile& hand = g.hand(Seat::Human);
  for (int i = 1; i <= kHandSlots; ++i) {
    ASSERT_EQ(m.koloda3[static_cast<std::size_t>(i)].visible, i <= hand.count());
    if (i <= hand.count()) {
      ASSERT_EQ(m.koloda3[static_cast<std::size_t>(i)].picture, hand.item(i));
    }
  }
  // The human acts only on its own move: never while the marker is with an opponent.
  ASSERT_TRUE(g.marker == Seat::Human || !(can_answer(g) || can_pick_rank(g, 1)));
}

class RandomPlay : public ::testing::TestWithParam<Policy> {};

TEST_P(RandomPlay, EveryGameEndsAndNoCardIsEverLostOrDoubled) {
  const std::uint64_t games = 600;
  std::uint64_t checks = 0;
  const RunResult r = run(games, 20261206, GetParam(), [&](const Game& g) {
    ++checks;
    check_table(g);
    if (::testing::Test::HasFatalFailure()) throw std::runtime_error("table check failed");
  });
  EXPECT_EQ(r.fault, "");
  EXPECT_EQ(r.stats.games, games);
  EXPECT_EQ(r.stats.wins + r.stats.losses + r.stats.draws, games);
  EXPECT_GT(checks, games * 5);
}

INSTANTIATE_TEST_SUITE_P(AllPolicies, RandomPlay,
                         ::testing::Values(Policy::Random, Policy::Trusting, Policy::Doubting,
                                           Policy::Honest),
                         [](const auto& info) { return std::string(policy_name(info.param)); });

TEST(SelfPlay, TheSameSeedPlaysTheSameGames) {
  const RunResult a = run(300, 42, Policy::Random);
  const RunResult b = run(300, 42, Policy::Random);
  EXPECT_TRUE(a.stats == b.stats);
  EXPECT_EQ(a.handler_calls, b.handler_calls);
  const RunResult c = run(300, 43, Policy::Random);
  EXPECT_FALSE(a.stats == c.stats);
}

// One game of a fixed seed, move for move: each deal, move, claim, answer,
// box, pause and hand-over as a line. The record was made by
// `blefino-sim --games 1 --seed 3 --human random --record`; a change to the
// rules, the rolls or their order shows as the first line that differs.
TEST(SelfPlay, OneSeededGameIsPlayedMoveForMoveAsRecorded) {
  std::vector<std::string> played;
  ASSERT_EQ(run(1, 3, Policy::Random, {}, Level::Default, &played).fault, "");
  std::ifstream file(BLEFINO_SEEDED_GAME);
  std::vector<std::string> kept;
  for (std::string line; std::getline(file, line);) kept.push_back(line);
  ASSERT_FALSE(kept.empty()) << BLEFINO_SEEDED_GAME;
  for (std::size_t i = 0; i < std::max(kept.size(), played.size()); ++i) {
    const std::string want = i < kept.size() ? kept[i] : "(the record ends)";
    const std::string got = i < played.size() ? played[i] : "(the game ends)";
    ASSERT_EQ(got, want) << "line " << i + 1 << " of " << BLEFINO_SEEDED_GAME;
  }
}

std::string run_tool(const std::string& args, int& status) {
  const std::string cmd = std::string(BLEFINO_SIM) + " " + args + " 2>&1";
  FILE* pipe = popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  while (std::size_t n = fread(buf, 1, sizeof buf, pipe)) out.append(buf, n);
  status = pclose(pipe);
  status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}

TEST(SelfPlayTool, PrintsOneJsonObjectThatAddsUp) {
  int status = 0;
  const std::string out = run_tool("--games 50 --seed 9 --human honest --json", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.front(), '{');
  EXPECT_EQ(out.substr(out.size() - 2), "}\n");
  EXPECT_NE(out.find("\"games\": 50, \"seed\": 9, \"human\": \"honest\""), std::string::npos);
  // Same seed, same figures (timings aside).
  const std::string again = run_tool("--games 50 --seed 9 --human honest --json", status);
  EXPECT_EQ(out.substr(0, out.find("\"seconds\"")), again.substr(0, again.find("\"seconds\"")));
}

TEST(SelfPlayTool, ABadArgumentIsNamedAndExitsWithTwo) {
  for (const char* args :
       {"--games abc", "--games 0", "--games", "--human lucky", "--seed -1", "--colour red"}) {
    int status = 0;
    const std::string out = run_tool(args, status);
    EXPECT_EQ(status, 2) << args;
    EXPECT_NE(out.find("usage: blefino-sim"), std::string::npos) << args;
    const std::string first = std::string(args).substr(0, std::string(args).find(' '));
    EXPECT_NE(out.find(first), std::string::npos) << args;
  }
  int status = 0;
  const std::string summary = run_tool("--games 20 --seed 1 --human doubting", status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(summary.find("20 games"), std::string::npos);
}

}  // namespace
}  // namespace blefino::sim
