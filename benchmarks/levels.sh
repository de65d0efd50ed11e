#!/usr/bin/env bash
# The two levels measured by self-play: every scripted human against the
# default and the experienced opponents, 100,000 games each from one seed,
# then the time an experienced opponent takes to decide a move. Fails when the
# experienced pair misses its goals: the random human wins under 25 %, the
# sensible one under 40 % and less often than against the default pair, and a
# move is decided in under 1 ms.
#   benchmarks/levels.sh [BUILD_DIR] [GAMES] [SEED]   (build/release, 100000, 2026)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
games=${2:-100000}
seed=${3:-2026}
sim="$build/tools/blefino-sim"
[ -x "$sim" ] || { echo "no $sim: cmake --preset release && cmake --build build/release --target blefino-sim"; exit 2; }

declare -A won
printf '| human | default: won / lost / drawn %% | experienced: won / lost / drawn %% |\n|---|---|---|\n'
for human in random sensible trusting doubting honest; do
  row="| $human |"
  for level in default experienced; do
    json=$("$sim" --games "$games" --seed "$seed" --human "$human" --level "$level" --json)
    read -r w l d < <(sed -E 's/.*"results": \{"win": ([0-9]+), "loss": ([0-9]+), "draw": ([0-9]+)\}.*/\1 \2 \3/' <<<"$json")
    won[$human/$level]=$w
    row+=$(awk -v w="$w" -v l="$l" -v d="$d" -v n="$games" \
      'BEGIN { printf " %.2f / %.2f / %.2f |", 100*w/n, 100*l/n, 100*d/n }')
  done
  echo "$row"
done

fail=0
pct() { awk -v w="$1" -v n="$games" 'BEGIN { printf "%.2f", 100*w/n }'; }
check() {  # what, holds (0/1)
  if [ "$2" = 1 ]; then echo "goal met: $1"; else echo "GOAL MISSED: $1"; fail=1; fi
}
check "random human wins $(pct "${won[random/experienced]}") % < 25 %" \
  "$(( ${won[random/experienced]} * 4 < games ))"
check "sensible human wins $(pct "${won[sensible/experienced]}") % < 40 %" \
  "$(( ${won[sensible/experienced]} * 5 < games * 2 ))"
check "sensible human wins less than against the default pair ($(pct "${won[sensible/default]}") %)" \
  "$(( ${won[sensible/experienced]} < ${won[sensible/default]} ))"

bench="$build/benchmarks/blefino_engine_benchmarks"
if [ -x "$bench" ]; then
  us=$("$bench" --benchmark_filter=BM_ExperiencedDecision --benchmark_format=csv 2>/dev/null |
       awk -F, '/BM_ExperiencedDecision/ { print $4 }')
  check "an experienced move is decided in $us µs < 1000 µs" "$(awk -v t="$us" 'BEGIN { print (t < 1000) }')"
else
  echo "(no $bench: build blefino_engine_benchmarks to time a move)"
fi
exit $fail
