#!/usr/bin/env bash
# Takes the table's screenshots for docs/screenshots under a virtual X server.
# usage: tools/screenshots/table.sh BUILD_DIR [OUTPUT_DIR]
#   table-start.png  the table right after the deal
#   table-open.png   mid-game, the opponents' cards turned up (BLEFINO_OPEN_CARDS=1)
#   table-play.png   a game in progress as a player sees it: two cards laid
#   table-20.png     the player holding 20 cards (blefino-table-scene)
# With openbox installed the windows get a window manager, as on a desktop.
set -eu
if [ "${1:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$@"
fi
shift
build=$(cd "$1" && pwd)
out=${2:-$(dirname "$0")/../../docs/screenshots}
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb
if command -v openbox >/dev/null; then
  openbox & wm=$!
  sleep 1
fi
# A throwaway home: the game saves its settings there, not in the real one.
home=$(mktemp -d)
trap 'rm -rf "$home"; [ -n "${wm:-}" ] && kill $wm 2>/dev/null' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config"

find_table() {
  # The game's start-up window comes first: the offered name is fine, OK.
  title=
  [ "${1:-}" = title ] &&
    title=$(timeout 20 xdotool search --sync --onlyvisible --name '^Карточная игра$' | head -1)
  if [ -n "$title" ]; then
    xdotool windowactivate --sync "$title" 2>/dev/null ||
      xdotool windowfocus --sync "$title" 2>/dev/null || true
    xdotool key Return
  fi
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name '^Игровое поле$' 2>/dev/null | head -1) || true
    [ -n "$win" ] && return 0
    sleep 0.2
  done
  echo "no table window" >&2
  exit 1
}
answer_boxes() {
  local quiet=0
  while [ "$quiet" -lt 8 ]; do
    local box=""
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      [ "$w" != "$win" ] && [ -n "$(xdotool getwindowname "$w" 2>/dev/null)" ] && box=$w
    done
    if [ -n "$box" ]; then
      xdotool windowfocus --sync "$box" 2>/dev/null || true
      xdotool key --window "$box" Return 2>/dev/null || true
      quiet=0
    else
      quiet=$((quiet + 1))
    fi
    sleep 0.5
  done
}
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.4; }
shot() { sleep 0.5; import -window "$win" "$out/$1"; echo "$out/$1"; }
menu=22

"$build/app/blefino" & pid=$!
find_table title; sleep 1
shot table-start.png
kill $pid; wait $pid 2>/dev/null || true

BLEFINO_OPEN_CARDS=1 "$build/app/blefino" & pid=$!
find_table title; sleep 1
click $((136 + 44)) $((menu + 88 + 16))          # Открыть карты
for _ in 1 2 3; do
  click 46 $((menu + 498)); click 46 $((menu + 498))  # raise and lay the first card
  click $((344 + 40)) $((menu + 272 + 36))        # the main button
  answer_boxes
done
shot table-open.png
kill $pid; wait $pid 2>/dev/null || true

"$build/app/blefino" & pid=$!
find_table title; sleep 1
for _ in 1 2; do
  click 46 $((menu + 498)); click 46 $((menu + 498))  # raise and lay the first card
  click $((344 + 40)) $((menu + 272 + 36))        # the main button
  answer_boxes
done
click 126 $((menu + 498)); click 126 $((menu + 498))  # two cards on the stake
click 206 $((menu + 498)); click 206 $((menu + 498))
shot table-play.png
kill $pid; wait $pid 2>/dev/null || true

"$build/tools/screenshots/blefino-table-scene" --human-cards 20 & pid=$!
find_table; sleep 1
shot table-20.png
kill $pid; wait $pid 2>/dev/null || true
