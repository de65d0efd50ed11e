#!/usr/bin/env bash
# Plays the real program under a virtual X server, as a person would: finds
# the table, checks its size, lays a card with two clicks, presses the main
# button, answers the message boxes, and checks the program still runs.
# usage: blefino_xvfb_test.sh BLEFINO_EXECUTABLE OUTPUT_DIR
set -u

if [ "${1:-}" != "--inside" ]; then
  for tool in xvfb-run xdotool import convert xauth; do
    # On CI a missing tool is a missing install step, not a reason to skip.
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; [ -n "${CI:-}" ] && exit 1; exit 77; }
  done
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$@"
fi
shift
exe=$1
out=$2
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# A throwaway home: the game saves its settings there, not in the real one.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config"

fail() {
  echo "FAIL: $*"
  [ -n "${win:-}" ] && import -window root "$out/xvfb-failure.png" 2>/dev/null && echo "screen at failure: $out/xvfb-failure.png"
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Colour of one window pixel as rrggbb.
pixel() {
  import -window "$win" "$out/.probe.png" 2>/dev/null
  convert "$out/.probe.png" -crop "1x1+$1+$2" +repage txt:- 2>/dev/null |
    sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr 'A-F' 'a-f'
}

# Message boxes are titled with the program's name or an opponent's.
is_box_title() {
  case "$1" in
    "Блефино"|TORVIK|GORDAN|KRUMP|"DUKE LOPATSKY"|"BARNABY KROSS"|LILA|MIRTA|DORINA|GRUB) return 0 ;;
  esac
  return 1
}

# Presses Return on every other window of the program until none has shown
# up for a while; returns how many were answered.
answer_boxes() {
  local quiet=0 answered=0
  while [ "$quiet" -lt "${1:-8}" ]; do
    local box=""
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      # Only a message box: a key sent anywhere else waits in the queue until the
      # move is back with the human, and Enter there is the main button.
      [ "$w" != "$win" ] && is_box_title "$(xdotool getwindowname "$w" 2>/dev/null)" && box=$w
    done
    if [ -n "$box" ]; then
      echo "message box: $(xdotool getwindowname "$box")"
      xdotool windowfocus --sync "$box" 2>/dev/null
      xdotool key --window "$box" Return 2>/dev/null || true
      answered=$((answered + 1))
      quiet=0
      sleep 0.5
    else
      quiet=$((quiet + 1))
      sleep 0.5
    fi
    kill -0 "$pid" 2>/dev/null || return 0
  done
  echo "answered $answered message boxes"
}

click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.4; }

"$exe" &
pid=$!

# The start-up window: the offered name is fine, OK.
title=$(timeout 20 xdotool search --sync --onlyvisible --name '^Карточная игра$' | head -1)
[ -n "$title" ] || fail "no start-up window"
# A click on OK, not Enter: a key sent to this window can reach the table
# behind it too, where Enter is the main button.
xdotool mousemove --window "$title" 292 44 click 1

win=""
for _ in $(seq 100); do
  win=$(xdotool search --onlyvisible --name '^Игровое поле$' 2>/dev/null | head -1)
  [ -n "$win" ] && break
  kill -0 "$pid" 2>/dev/null || fail "blefino exited before showing the table"
  sleep 0.2
done
[ -n "$win" ] || fail "no window named Игровое поле"
sleep 1

eval "$(xdotool getwindowgeometry --shell "$win")"
echo "window: ${WIDTH}x${HEIGHT}"
[ "$WIDTH" -eq 794 ] || fail "window is $WIDTH px wide, expected 794"
# The client area is the green cloth below the menu bar: a column at its right
# edge, where no control stands, is green for exactly 529 rows up from the bottom.
import -window "$win" "$out/xvfb-start.png"
green=$(convert "$out/xvfb-start.png" -crop "1x${HEIGHT}+790+0" +repage txt:- |
  awk -F'[ :,]+' '/#004000/ {n++} END {print n+0}')
[ "$green" -eq 529 ] || fail "the cloth is $green px high, expected 529"
menu=$((HEIGHT - 529))
[ "$(pixel 790 $((HEIGHT - 1)))" = "004000" ] || fail "the cloth does not reach the bottom edge"
echo "client area: 794x529 under a menu bar of $menu px"

# The human's first card peeks from the bottom; the batch's first place and
# the main button are fixed.
card_x=$((16 + 30)); card_y=$((menu + 458 + 40))
batch_x=$((16 + 6)); batch_y=$((menu + 256 + 50))
main_x=$((344 + 40)); main_y=$((menu + 272 + 36))

# The turn marker stands beside the human's name when the move is the human's.
marker_x=$((306 + 16)); marker_y=$((menu + 397 + 16))
humans_turn() { [ "$(pixel $marker_x $marker_y)" != "004000" ]; }

# Answers message boxes until the move has come back to the human; computer
# moves take 1.5 s each, so this can take a while on a busy machine.
wait_for_human() {
  for _ in $(seq 60); do
    answer_boxes 2 >/dev/null
    kill -0 "$pid" 2>/dev/null || fail "blefino ended during the computers' moves"
    humans_turn && return 0
    sleep 0.5
  done
  fail "the move never came back to the human"
}

# Two clicks lay the first card; the main button ends the move. A click that
# lands while the window is still busy is handled late, so a few tries are allowed.
laid=0
for attempt in 1 2 3 4; do
  humans_turn || { echo "attempt $attempt: an opponent moves first"; click "$main_x" "$main_y"; wait_for_human; }
  click "$card_x" "$card_y"   # raise
  sleep 0.4                   # two presses, as a person makes them, not one double-click
  click "$card_x" "$card_y"   # lay
  for _ in $(seq 50); do  # a slow build may take seconds over its first clicks
    seen=$(pixel $batch_x $batch_y)
    [ "$seen" = "ffffff" ] && laid=1 && break
    sleep 0.25
  done
  [ "$laid" -eq 1 ] || { echo "attempt $attempt: the batch shows #$seen"; cp "$out/.probe.png" "$out/attempt-$attempt.png"; }
  click "$main_x" "$main_y"
  wait_for_human
  [ "$laid" -eq 1 ] && echo "attempt $attempt: a card lay face up in the batch" && break
done
echo "the move came back to the human"
[ "$laid" -eq 1 ] || fail "two clicks on a card did not lay it"

# Enter is the main button; then the program must still be there.
xdotool windowfocus --sync "$win" 2>/dev/null
xdotool key --window "$win" Return
answer_boxes 6
kill -0 "$pid" 2>/dev/null || fail "blefino is no longer running"
xdotool search --onlyvisible --name '^Игровое поле$' >/dev/null || fail "the table window is gone"
import -window "$win" "$out/xvfb-after-move.png"

# A move from the keyboard alone: the last card raised and laid shows face up
# in the batch, then Enter ends the move.
wait_for_human
xdotool windowfocus --sync "$win" 2>/dev/null
xdotool key --window "$win" --delay 300 End space space
laid=0
for _ in $(seq 50); do [ "$(pixel $batch_x $batch_y)" = "ffffff" ] && laid=1 && break; sleep 0.25; done
[ "$laid" -eq 1 ] || fail "End, Space, Space did not lay a card"
xdotool key --window "$win" Return
wait_for_human
echo "a card laid from the keyboard"

# The window grows by half, and the table with it: the first card of the hand
# stands where it is drawn at one and a half times its place.
xdotool windowmove "$win" 0 0 windowsize "$win" 1191 $((menu + 794))
sleep 1
import -window "$win" "$out/xvfb-scaled.png"
[ "$(pixel $((24 + 45)) $((menu + 687 + 60)))" != "004000" ] || fail "no card where the grown table puts it"
echo "screenshots in $out"

kill "$pid"
wait "$pid" 2>/dev/null
echo "PASS"
