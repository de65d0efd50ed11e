// blefino-sim: the game playing itself, for balance checks and speed figures.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tools/sim/scripted.h"

using namespace blefino;
using blefino::sim::OpponentStats;
using blefino::sim::PlayStats;

namespace {

const char* kUsage =
    "usage: blefino-sim [--games N] [--seed S] [--human random|trusting|doubting|honest|sensible]\n"
    "                   [--level default|experienced] [--json | --record]\n"
    "       blefino-sim --help | --version\n";

int bad_argument(const std::string& what) {
  std::fprintf(stderr, "blefino-sim: %s\n%s", what.c_str(), kUsage);
  return 2;
}

bool parse_count(const char* text, std::uint64_t& out) {
  if (!text || !*text) return false;
  std::uint64_t v = 0;
  for (const char* p = text; *p; ++p) {
    if (*p < '0' || *p > '9') return false;
    if (v > (UINT64_MAX - 9) / 10) return false;
    v = v * 10 + static_cast<std::uint64_t>(*p - '0');
  }
  out = v;
  return true;
}

void print_opponent(const OpponentStats& o) {
  std::printf(
      "{\"leads\": %llu, \"lead_bluffs\": %llu, \"adds\": %llu, \"add_bluffs\": %llu, "
      "\"blind_adds\": %llu, \"veru\": %llu, \"neveru\": %llu, \"impossible\": %llu}",
      (unsigned long long)o.leads, (unsigned long long)o.lead_bluffs, (unsigned long long)o.adds,
      (unsigned long long)o.add_bluffs, (unsigned long long)o.blind_adds,
      (unsigned long long)o.veru, (unsigned long long)o.neveru, (unsigned long long)o.impossible);
}

void print_rows(const std::array<std::uint64_t, 10>& rows) {
  std::printf("[");
  for (int r = 1; r <= 9; ++r)
    std::printf("%s%llu", r > 1 ? ", " : "", (unsigned long long)rows[r]);
  std::printf("]");
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t games = 1000;
  std::uint64_t seed = std::random_device{}();
  sim::Policy policy = sim::Policy::Random;
  Level level = Level::Default;
  bool json = false;
  bool record = false;  // every move of the games, one line each, instead of the figures

  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (arg == "--games") {
      const char* v = value();
      if (!parse_count(v, games) || games == 0)
        return bad_argument("--games needs a whole number of at least 1, got '" +
                            std::string(v ? v : "") + "'");
    } else if (arg == "--seed") {
      const char* v = value();
      if (!parse_count(v, seed))
        return bad_argument("--seed needs a whole number, got '" + std::string(v ? v : "") + "'");
    } else if (arg == "--human") {
      const char* v = value();
      if (!v || !sim::parse_policy(v, policy))
        return bad_argument("--human needs random, trusting, doubting, honest or sensible, got '" +
                            std::string(v ? v : "") + "'");
    } else if (arg == "--level") {
      const char* v = value();
      if (!v || !sim::parse_level(v, level))
        return bad_argument("--level needs default or experienced, got '" +
                            std::string(v ? v : "") + "'");
    } else if (arg == "--json") {
      json = true;
    } else if (arg == "--record") {
      record = true;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (arg == "--version") {
      std::fputs("blefino-sim (Блефино) " BLEFINO_VERSION "\n", stdout);
      return 0;
    } else {
      return bad_argument("unknown argument '" + arg + "'");
    }
  }

  const auto start = std::chrono::steady_clock::now();
  std::vector<std::string> lines;
  const sim::RunResult r = sim::run(games, seed, policy, {}, level, record ? &lines : nullptr);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!r.fault.empty()) {
    std::fprintf(stderr, "blefino-sim: %s, in game %llu\n", r.fault.c_str(),
                 (unsigned long long)r.stats.games);
    return 1;
  }
  if (record) {
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    return 0;
  }
  const PlayStats& s = r.stats;
  const double gps = seconds > 0 ? s.games / seconds : 0.0;
  const double mps = seconds > 0 ? s.moves / seconds : 0.0;

  if (json) {
    std::printf("{\"games\": %llu, \"seed\": %llu, \"human\": \"%s\", \"level\": \"%s\", ",
                (unsigned long long)s.games, (unsigned long long)seed, sim::policy_name(policy),
                sim::level_name(level));
    std::printf("\"results\": {\"win\": %llu, \"loss\": %llu, \"draw\": %llu}, ",
                (unsigned long long)s.wins, (unsigned long long)s.losses,
                (unsigned long long)s.draws);
    std::printf("\"first_mover\": {\"1\": %llu, \"2\": %llu, \"3\": %llu}, ",
                (unsigned long long)s.first_mover[1], (unsigned long long)s.first_mover[2],
                (unsigned long long)s.first_mover[3]);
    std::printf("\"opponent_rows\": {\"cpu1\": ");
    print_rows(s.opponent_rows[1]);
    std::printf(", \"cpu2\": ");
    print_rows(s.opponent_rows[2]);
    std::printf("}, \"moves\": %llu, \"opponents\": {\"cpu1\": ", (unsigned long long)s.moves);
    print_opponent(s.opponents[1]);
    std::printf(", \"cpu2\": ");
    print_opponent(s.opponents[2]);
    std::printf("}, \"seconds\": %.6f, \"games_per_second\": %.1f, \"moves_per_second\": %.1f}\n",
                seconds, gps, mps);
    return 0;
  }

  auto pct = [&](std::uint64_t n) { return s.games ? 100.0 * n / s.games : 0.0; };
  std::printf(
      "Blefino self-play: %llu games, human plays '%s' against the %s opponents, seed %llu\n",
      (unsigned long long)s.games, sim::policy_name(policy), sim::level_name(level),
      (unsigned long long)seed);
  std::printf("  human won %llu (%.1f%%), lost %llu (%.1f%%), drew %llu (%.1f%%)\n",
              (unsigned long long)s.wins, pct(s.wins), (unsigned long long)s.losses, pct(s.losses),
              (unsigned long long)s.draws, pct(s.draws));
  std::printf("  first move: opponent 1 %llu, opponent 2 %llu, human %llu\n",
              (unsigned long long)s.first_mover[1], (unsigned long long)s.first_mover[2],
              (unsigned long long)s.first_mover[3]);
  for (int who = 1; who <= 2; ++who) {
    const OpponentStats& o = s.opponents[who];
    std::printf(
        "  opponent %d: %llu leads (%llu bluffs), %llu adds (%llu bluffs), %llu blind adds, "
        "\"Верю!\" %llu, \"Не верю!\" %llu, impossible claims refused %llu\n",
        who, (unsigned long long)o.leads, (unsigned long long)o.lead_bluffs,
        (unsigned long long)o.adds, (unsigned long long)o.add_bluffs,
        (unsigned long long)o.blind_adds, (unsigned long long)o.veru, (unsigned long long)o.neveru,
        (unsigned long long)o.impossible);
  }
  std::printf("  %llu moves in %.2f s: %.0f games/s, %.0f moves/s\n", (unsigned long long)s.moves,
              seconds, gps, mps);
  return 0;
}
