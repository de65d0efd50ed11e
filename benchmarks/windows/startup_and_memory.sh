#!/bin/sh
# How fast the game's first window appears, against a minimal Qt widgets
# window with one label (fonts loaded, as in any window with words) on the
# same machine in the same run, and how much memory the game holds with the
# table open. Also the median time of each step of the game's start-up, from
# its trace. Exits with 1 when the game takes more than 1.10 times the
# labelled window.
#   benchmarks/windows/startup_and_memory.sh BUILD_DIR [RUNS]
# Use a release build for figures worth quoting. Runs under its own Xvfb
# when no display is set, with a throwaway home so no real settings are touched.
set -eu
build=$(cd "$1" && pwd)
runs=${2:-15}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

watch="$build/benchmarks/windows/blefino_window_watch"
minimal="$build/benchmarks/windows/blefino_minimal_window"
game="$build/app/blefino"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config"

median() { sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print v[m] }'; }

: >"$home/minimal.txt"
: >"$home/label.txt"
: >"$home/game.txt"
"$watch" "$minimal" >/dev/null  # warm the file cache for both
"$watch" "$game" >/dev/null
i=0
while [ "$i" -lt "$runs" ]; do
  "$watch" "$minimal" >>"$home/minimal.txt"
  "$watch" "$minimal" --label >>"$home/label.txt"
  BLEFINO_TRACE=1 "$watch" "$game" >>"$home/game.txt" 2>>"$home/trace.txt"
  i=$((i + 1))
done
m=$(median <"$home/minimal.txt")
l=$(median <"$home/label.txt")
g=$(median <"$home/game.txt")
ratio=$(awk -v g="$g" -v l="$l" 'BEGIN { printf "%.2f", g / l }')
echo "first window, median of $runs: a minimal Qt window with one label $l ms, Blefino's start-up window $g ms, ratio $ratio (limit 1.10)"
echo "  (the minimal window without the label: $m ms)"
printf '  steps of its start-up, median ms:'
for step in $(awk '$2 == "start-up" && !seen[$3]++ { print $3 }' "$home/trace.txt"); do
  printf ' %s %s' "$step" "$(awk -v s="$step" '$2 == "start-up" && $3 == s { print $4 }' "$home/trace.txt" | median)"
done
echo

# Memory: name window, OK, the table dealt and drawn.
"$game" &
pid=$!
xdotool search --sync --onlyvisible --name "Карточная игра" >/dev/null
sleep 0.5
xdotool key --clearmodifiers Return
xdotool search --sync --onlyvisible --name "^Игровое поле$" >/dev/null
sleep 2
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
hwm=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
kill "$pid"
wait "$pid" 2>/dev/null || true
awk -v r="$rss" -v h="$hwm" 'BEGIN { printf "table open: resident %.1f MB (peak %.1f MB; limit 60 MB)\n", r / 1024, h / 1024 }'

status=0
awk -v r="$ratio" 'BEGIN { exit !(r <= 1.10) }' || { echo "start-up slower than 1.10 x"; status=1; }
[ "$rss" -le $((60 * 1024)) ] || { echo "more than 60 MB resident"; status=1; }
exit $status
