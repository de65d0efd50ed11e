// Whole games played by the scripted human, checked after every click.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "scripted.h"

namespace blefino::sim {
namespace {

// Every card lies in exactly one owning pile, and the counts on the table agree.
void check_table(const Game& g) {
  std::array<int, 50> seen{};
  for (const Pile* p : {&g.cpu1_cards, &g.cpu2_cards, &g.player_cards, &g.kon_cards,
                        &g.heap_cards, &g.otboy_cards})
    for (CardCode c : *p) {
      ASSERT_TRUE(is_valid_code(c) && c < 50) << c;
      ++seen[static_cast<std::size_t>(c)];
    }
  for (CardCode c : full_pack()) ASSERT_EQ(seen[static_cast<std::size_t>(c)], 1) << "card " << c;
  ASSERT_EQ(g.m.in_heap.caption, " " + std::to_string(g.heap_cards.count()));
  ASSERT_EQ(g.m.in_otboy.caption, " " + std::to_string(g.otboy_cards.count()));
  ASSERT_LE(g.kon_cards.count(), 4);
  // What the human sees in the hand is the hand, in order.
  for (int i = 1; i <= g.player_cards.count(); ++i) {
    ASSERT_TRUE(g.m.koloda3[i].visible);
    ASSERT_EQ(g.m.koloda3[i].picture, g.player_cards.item(i));
  }
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

TEST(SelfPlay, ChanceFollowsTheRulesRounding) {
  // The first mover is 1, 2, 3 with 1/4, 1/2, 1/4; name rows 1 and 9 about half
  // as often as the others. A cut instead of rounding would shift all of these.
  const RunResult r = run(8000, 7, Policy::Trusting);
  const auto& f = r.stats.first_mover;
  EXPECT_NEAR(f[1] / 8000.0, 0.25, 0.03);
  EXPECT_NEAR(f[2] / 8000.0, 0.50, 0.03);
  EXPECT_NEAR(f[3] / 8000.0, 0.25, 0.03);
  for (int who = 1; who <= 2; ++who) {
    const auto& rows = r.stats.opponent_rows[static_cast<std::size_t>(who)];
    double middle = 0;
    for (int row = 2; row <= 8; ++row) middle += rows[static_cast<std::size_t>(row)] / 7.0;
    // (1/16 · 15/16) / (1/8 · 7/8) ≈ 0.54 once the draw has been repeated on a tie.
    EXPECT_NEAR(rows[1] / middle, 0.54, 0.15);
    EXPECT_NEAR(rows[9] / middle, 0.54, 0.15);
  }
  // Opponent 2 never bluffs against a human who has never let a claim stand...
  const RunResult doubting = run(500, 7, Policy::Doubting);
  EXPECT_LT(doubting.stats.opponents[2].lead_bluffs, doubting.stats.opponents[2].leads / 50);
  // Only opponent 1 counts cards.
  EXPECT_EQ(r.stats.opponents[2].impossible, 0u);
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
  for (const char* key : {"\"results\"", "\"first_mover\"", "\"opponent_rows\"", "\"moves\"",
                          "\"lead_bluffs\"", "\"blind_adds\"", "\"impossible\"",
                          "\"moves_per_second\""})
    EXPECT_NE(out.find(key), std::string::npos) << key;
  // Same seed, same figures (timings aside).
  const std::string again = run_tool("--games 50 --seed 9 --human honest --json", status);
  EXPECT_EQ(out.substr(0, out.find("\"seconds\"")), again.substr(0, again.find("\"seconds\"")));
}

TEST(SelfPlayTool, ABadArgumentIsNamedAndExitsWithTwo) {
  for (const char* args : {"--games abc", "--games 0", "--games", "--human lucky", "--seed -1",
                           "--colour red"}) {
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
