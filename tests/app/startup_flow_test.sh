#!/bin/sh
# The game as a player meets it, in a real X server: the name window, a name
# typed, OK, the table; the settings file holds the name; F4 shows the
# statistics; F12 asks before ending, No plays on, Yes ends the game.
#   tests/app/startup_flow_test.sh PATH/TO/blefino
set -eu
bin=$1
for tool in xvfb-run xdotool xauth; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; [ -n "${CI:-}" ] && exit 1; exit 77; }
done
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

home=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  rm -rf "$home"
}
trap cleanup EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config"
ini="$XDG_CONFIG_HOME/Talvik/Blefino.ini"

fail() { echo "FAIL: $*" >&2; exit 1; }
# The one visible window with this exact caption, waiting up to 20 s for it.
window() {
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}
gone() {  # waits until no visible window has this caption
  i=0
  while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
    i=$((i + 1)); [ "$i" -lt 100 ] || fail "\"$1\" is still open"; sleep 0.1
  done
}
key() {  # window, keys...
  w=$1; shift
  xdotool windowfocus --sync "$w"
  xdotool key --clearmodifiers "$@"
}

"$bin" &
pid=$!

title=$(window "Карточная игра") || fail "no start-up window"
[ -f "$ini" ] || fail "start-up did not write the defaults"
grep -qx 'name=введите имя' "$ini" || fail "no default name in $ini"
xdotool windowfocus --sync "$title"
xdotool type --delay 30 "Tester 7"  # the offered name is selected: typing replaces it
key "$title" Return
desk=$(window "Игровое поле") || fail "no table after OK"
gone "Карточная игра"
grep -qx 'name=Tester 7' "$ini" || { cat "$ini"; fail "the name did not reach $ini"; }

key "$desk" F4
stats=$(window "Статистика") || fail "F4 opened no statistics"
key "$stats" Return
gone "Статистика"

key "$desk" F12
ask=$(window "Завершение") || fail "F12 asked nothing"
key "$ask" Escape  # No
gone "Завершение"
# A second F12 that asks again shows No left the game running.

key "$desk" F12
ask=$(window "Завершение") || fail "the second F12 asked nothing"
key "$ask" Return  # Yes, the default
i=0
while kill -0 "$pid" 2>/dev/null; do
  i=$((i + 1)); [ "$i" -lt 100 ] || fail "Yes did not end the game"; sleep 0.1
done
wait "$pid" || fail "the game ended with an error"
pid=
grep -qx 'name=Tester 7' "$ini" || fail "the name was lost at exit"
echo "start-up flow: ok"
