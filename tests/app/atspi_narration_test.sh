#!/usr/bin/env bash
# The opponents' moves as a screen reader gets them: the real program under a
# virtual X server and a window manager, with accessibility on and a session
# bus of its own, plays one fixed game (BLEFINO_SEED=1: DORINA opens against
# DUKE LOPATSKY). A pyatspi listener writes down every name the table's status
# line is given; the key И then opens the round's moves, read off the
# accessible tree. Both are printed: the dump a screen reader received.
# usage: atspi_narration_test.sh BLEFINO_EXECUTABLE OUTPUT_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
# pyatspi comes with the system's Python (python3-pyatspi), whatever else is first on PATH.
py=/usr/bin/python3

if [ "${1:-}" != "--inside" ]; then
  for tool in xvfb-run xdotool xauth openbox dbus-run-session; do
    # On CI a missing tool is a missing install step, not a reason to skip.
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; [ -n "${CI:-}" ] && exit 1; exit 77; }
  done
  "$py" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; [ -n "${CI:-}" ] && exit 1; exit 77; }
  [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is not installed"; [ -n "${CI:-}" ] && exit 1; exit 77; }
  exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" --inside "$@"
fi
shift
exe=$1
out=$2
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb BLEFINO_TRACE=1 BLEFINO_SEED=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset WAYLAND_DISPLAY
home=$(mktemp -d)
trace=$home/trace
heard=$out/atspi-heard.txt
trap 'kill $wm $listener 2>/dev/null; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config"
openbox --startup "touch $home/wm-ready" >/dev/null 2>&1 &
wm=$!
"$py" "$here/atspi_client.py" listen "$heard" "$home/listening" &
listener=$!
for _ in $(seq 100); do [ -e "$home/wm-ready" ] && [ -e "$home/listening" ] && break; sleep 0.1; done
[ -e "$home/listening" ] || { echo "FAIL: the AT-SPI listener did not start"; exit 1; }

fail() {
  echo "FAIL: $*"
  import -window root "$out/atspi-failure.png" 2>/dev/null
  echo "heard:"; cat "$heard"
  echo "trace:"; cat "$trace"
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

. "$(dirname "$0")/../support/follow_trace.sh"

"$exe" 2>"$trace" &
pid=$!
title=$(find_window 30 '^Карточная игра$')
[ -n "$title" ] || fail "no start-up window"
xdotool windowactivate --sync "$title" key --clearmodifiers Return
win=$(find_window 30 '^Игровое поле$')
[ -n "$win" ] || fail "no window named Игровое поле"
next_event
[ "$event" = "deal first cpu1" ] || fail "BLEFINO_SEED=1 should let opponent 1 open, the game said: $event"

# Enter hands the move to the opponents: DORINA leads, DUKE LOPATSKY answers.
xdotool windowactivate --sync "$win" key --clearmodifiers Return
answer_until_hand_over
expected=(
  "DORINA положила 4 карты, заявка: десятки."
  "DUKE LOPATSKY поверил, что это десятки; открыты 4 карты: 10 бубен, 6 бубен, 10 червей и король червей."
)
for _ in $(seq 100); do [ "$(wc -l <"$heard")" -ge ${#expected[@]} ] && break; sleep 0.1; done
echo "heard from the status line:"
sed 's/^/  /' "$heard"
mapfile -t got <"$heard"
[ "${got[*]}" = "${expected[*]}" ] || fail "the status line did not tell the two moves, in order"

# И (B on a Latin layout) lists the round's moves; the list is read off the tree.
xdotool windowactivate --sync "$win" key --clearmodifiers b
history=$(find_window 30 '^Ходы этого кона$')
[ -n "$history" ] || fail "И opened no list"
import -window root "$out/atspi-history.png" 2>/dev/null
"$py" "$here/atspi_client.py" list "Ходы противников в этом коне" >"$out/atspi-history.txt" ||
  fail "no list of the round's moves in the accessible tree"
echo "the round's moves, as the list reads:"
sed 's/^/  /' "$out/atspi-history.txt"
mapfile -t listed <"$out/atspi-history.txt"
[ "${listed[*]}" = "${expected[*]}" ] || fail "the list does not hold the round's moves"
xdotool key --clearmodifiers Escape

xdotool windowactivate --sync "$win" key --clearmodifiers alt+F4
answer_until_hand_over
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program still runs after the exit question"
echo "PASS"
