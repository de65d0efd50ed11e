#!/usr/bin/env bash
# Plays the real program under a virtual X server and a window manager, as a
# person would: OK on the name window, whole moves with the mouse, answering
# every message box, then the close box and "Да" to the exit question.
# It follows the game through BLEFINO_TRACE lines, never through sleeps or
# pixels, and plays one fixed game (BLEFINO_SEED=1: opponent 1 opens).
# usage: blefino_xvfb_test.sh BLEFINO_EXECUTABLE OUTPUT_DIR
set -u

if [ "${1:-}" != "--inside" ]; then
  for tool in xvfb-run xdotool import xauth openbox; do
    # On CI a missing tool is a missing install step, not a reason to skip.
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; [ -n "${CI:-}" ] && exit 1; exit 77; }
  done
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$@"
fi
shift
exe=$1
out=$2
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb BLEFINO_TRACE=1 BLEFINO_SEED=1
unset WAYLAND_DISPLAY
# A throwaway home: the game saves its settings there, not in the real one.
home=$(mktemp -d)
trace=$home/trace
trap 'kill $wm 2>/dev/null; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config"
# The window manager first: a window mapped before it runs may never be shown.
openbox --startup "touch $home/wm-ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do [ -e "$home/wm-ready" ] && break; sleep 0.1; done
[ -e "$home/wm-ready" ] || { echo "FAIL: the window manager did not start"; exit 1; }

fail() {
  echo "FAIL: $*"
  import -window root "$out/xvfb-failure.png" 2>/dev/null && echo "screen at failure: $out/xvfb-failure.png"
  echo "trace:"; cat "$trace"
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# The game's trace, event by event, and its boxes answered.
. "$(dirname "$0")/../support/follow_trace.sh"

click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }

"$exe" 2>"$trace" &
pid=$!

# The start-up window: the offered name is fine, OK.
title=$(timeout 20 xdotool search --sync --onlyvisible --name '^Карточная игра$' | head -1)
[ -n "$title" ] || fail "no start-up window"
xdotool windowactivate --sync "$title" mousemove --window "$title" 292 44 click 1
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Игровое поле$' | head -1)
[ -n "$win" ] || fail "no window named Игровое поле"
next_event
[ "$event" = "deal first cpu1" ] || fail "BLEFINO_SEED=1 should let opponent 1 open, the game said: $event"

eval "$(xdotool getwindowgeometry --shell "$win")"
echo "window: ${WIDTH}x${HEIGHT}"
[ "$WIDTH" -eq 794 ] || fail "window is $WIDTH px wide, expected 794"
menu=$((HEIGHT - 529))
card_x=$((16 + 30)); card_y=$((menu + 458 + 40))  # the human's first card
main_x=$((344 + 40)); main_y=$((menu + 272 + 36))  # the main button

# An opponent who begins waits for the main button.
[ "$event" = "deal first human" ] && answer_until_hand_over || { click "$main_x" "$main_y"; answer_until_hand_over; }
import -window "$win" "$out/xvfb-start.png"

# Whole moves: two clicks lay the first card (or, on a standing claim, accept
# it with that card), the main button hands on; the move comes back to the human.
for move in 1 2 3; do
  click "$card_x" "$card_y"   # raise
  click "$card_x" "$card_y"   # lay
  click "$main_x" "$main_y"
  echo "move $move"
  answer_until_hand_over
done
import -window "$win" "$out/xvfb-after-moves.png"

# A move from the keyboard alone: End goes to the last card, Space raises and
# lays it, Enter hands the move on.
xdotool windowactivate --sync "$win" key --clearmodifiers --delay 100 End space space Return
echo "move from the keyboard"
answer_until_hand_over

# The window grows by half, and the table with it: a move with the mouse at
# the places the grown table draws the card and the button.
xdotool windowsize --sync "$win" 1191 $((menu + 794))
echo "move on a table grown by half"
click $((card_x * 3 / 2)) $((menu + (card_y - menu) * 3 / 2))
click $((card_x * 3 / 2)) $((menu + (card_y - menu) * 3 / 2))
click $((main_x * 3 / 2)) $((menu + (main_y - menu) * 3 / 2))
answer_until_hand_over
import -window "$win" "$out/xvfb-grown.png"

# The close box asks "Завершить игру?"; "Да" (the default) ends the program.
xdotool windowactivate --sync "$win" key --clearmodifiers alt+F4
answer_until_hand_over
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program still runs after the exit question"
wait "$pid" || fail "the program ended with status $?"
# The grown window's place is kept for the next run, beside the results.
grep -q '^\[Window\]' "$home/.config/Talvik/Blefino.ini" || fail "the window's place was not kept"
echo "PASS"
