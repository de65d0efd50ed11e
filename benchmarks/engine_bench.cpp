// Speed of the game itself, without a window: whole games of self-play.
#include <benchmark/benchmark.h>

#include "tools/sim/scripted.h"

namespace {

using blefino::sim::Policy;

void BM_SelfPlay(benchmark::State& state) {
  const auto policy = static_cast<Policy>(state.range(0));
  std::uint64_t moves = 0, games = 0, seed = 1;
  for (auto _ : state) {
    const auto r = blefino::sim::run(1000, seed++, policy);
    if (!r.fault.empty()) state.SkipWithError(r.fault.c_str());
    moves += r.stats.moves;
    games += r.stats.games;
  }
  state.counters["moves_per_second"] =
      benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
  state.counters["games_per_second"] =
      benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
  state.SetLabel(blefino::sim::policy_name(policy));
}
BENCHMARK(BM_SelfPlay)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond);  // rates per CPU second: one core's throughput

}  // namespace
