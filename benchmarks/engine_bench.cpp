// Speed of the game itself, without a window: whole games of self-play at
// either level, and the time an experienced opponent takes to decide a move.
#include <benchmark/benchmark.h>

#include <deque>

#include "opponents/experienced.h"
#include "tools/sim/scripted.h"

namespace {

using blefino::Level;
using blefino::sim::Policy;

void BM_SelfPlay(benchmark::State& state) {
  const auto policy = static_cast<Policy>(state.range(0));
  const auto level = static_cast<Level>(state.range(1));
  std::uint64_t moves = 0, games = 0, seed = 1;
  for (auto _ : state) {
    const auto r = blefino::sim::run(1000, seed++, policy, {}, level);
    if (!r.fault.empty()) state.SkipWithError(r.fault.c_str());
    moves += r.stats.moves;
    games += r.stats.games;
  }
  state.counters["moves_per_second"] =
      benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
  state.counters["games_per_second"] =
      benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
  state.SetLabel(std::string(blefino::sim::policy_name(policy)) + ", " +
                 blefino::sim::level_name(level));
}
BENCHMARK(BM_SelfPlay)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMillisecond);  // rates per CPU second: one core's throughput

// Tables met in self-play against the experienced pair, each with an opponent
// to move: what its seat knows is gathered and its move decided, as every
// experienced move begins.
void BM_ExperiencedDecision(benchmark::State& state) {
  static blefino::sim::ScriptedHost host(1);
  static blefino::MtRandom rng(1);
  static blefino::ComputerOpponents opponents;
  static const auto tables = [] {
    std::deque<std::pair<blefino::Game, blefino::Seat>> out;
    for (Policy policy : {Policy::Random, Policy::Sensible})
      blefino::sim::run(
          150, 3, policy,
          [&](const blefino::Game& g) {
            for (blefino::Seat s : {blefino::Seat::Cpu1, blefino::Seat::Cpu2}) {
              if (g.over || g.seat(s).out) continue;
              auto& [copy, seat] = out.emplace_back(std::piecewise_construct,
                                                    std::forward_as_tuple(host, rng, opponents),
                                                    std::forward_as_tuple(s));
              static_cast<blefino::GameState&>(copy) = g;
              copy.memory = g.memory;
            }
          },
          Level::Experienced);
    return out;
  }();
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& [g, seat] = tables[i++ % tables.size()];
    benchmark::DoNotOptimize(
        blefino::decide(blefino::what_seat_knows(g, seat), blefino::character_of(seat), rng));
  }
  state.SetLabel(std::to_string(tables.size()) + " tables");
}
BENCHMARK(BM_ExperiencedDecision)->Unit(benchmark::kMicrosecond);

}  // namespace
