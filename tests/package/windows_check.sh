#!/usr/bin/env bash
# The Windows build as a Windows player meets it, under Wine in a throwaway
# prefix (Russian locale, Windows' faces in C:\Windows\Fonts), on a virtual X
# server with a window manager: the window tests pass; the installer runs
# silently and leaves the program, its shortcuts and its entry in "Apps &
# features"; --version answers; the installed game plays moves by mouse and by
# keys to the end of a game under the trace switch; the result stays in the
# registry across a restart; a second start leaves one game running; the
# uninstaller removes the program and its entry but not the player's results.
# Screenshots go to build/windows/check/.
# Usage: windows_check.sh SETUP.EXE WINDOWS_TESTS.EXE VERSION
set -u
if [ "${1:-}" != --inside ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$@"
fi
shift
setup=$(realpath "$1") tests_exe=$(realpath "$2") version=$3
wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver
out=$(realpath build/windows)/check
mkdir -p "$out"
tmp=$(mktemp -d)
trace=$tmp/trace
# A Russian Windows: Wine takes its code page and language from the Russian
# locale, and needs it installed to put Cyrillic names (the shortcuts) into
# file names; it is made here, for this run only.
mkdir -p "$tmp/locale" && localedef -i ru_RU -f UTF-8 "$tmp/locale/ru_RU.UTF-8" 2>/dev/null
[ -d "$tmp/locale/ru_RU.UTF-8" ] || { echo "FAIL: cannot make the Russian locale (package locales)"; exit 1; }
export LOCPATH=$tmp/locale
export WINEPREFIX=$tmp/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap '$wineserver -k >/dev/null 2>&1; kill $wm 2>/dev/null; rm -rf "$tmp"' EXIT
w() { LC_ALL=ru_RU.UTF-8 "$wine" "$@"; }

openbox --startup "touch $tmp/wm-ready" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do [ -e "$tmp/wm-ready" ] && break; sleep 0.1; done

fail() {
  echo "FAIL: $*"
  import -window root "$out/failure.png" 2>/dev/null && echo "screen at failure: $out/failure.png"
  [ -s "$trace" ] && { echo "trace:"; tail -20 "$trace"; }
  exit 1
}
step() { echo "== $*"; }
reg_value() {  # KEY VALUE: the value's data, empty when there is none
  w reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { print $3 }'
}

step "a new Wine prefix"
w wineboot -i >/dev/null 2>&1
$wineserver -w

# The faces every Windows has where Windows keeps them (Wine's own copies).
cp /usr/share/wine/fonts/{tahoma,tahomabd}.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

# A failure here is reported at the end, after the installer and the game
# have been tried too.
step "the window tests, in Windows' fonts"
tests_ok=1
w "$tests_exe" --gtest_brief=1 >"$out/window-tests.log" 2>&1 || tests_ok=0
grep -A3 "Failure" "$out/window-tests.log" | grep -v "^--" | sort -u | head -20
tail -3 "$out/window-tests.log"

step "silent install"
w "$setup" /S
$wineserver -w
dir="$WINEPREFIX/drive_c/Program Files/Blefino"
[ -f "$dir/blefino.exe" ] && [ -f "$dir/uninstall.exe" ] || fail "nothing installed in $dir"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Блефино.lnk"
[ -f "$menu" ] || fail "no Start-menu shortcut"
[ -f "$WINEPREFIX/drive_c/users/Public/Desktop/Блефино.lnk" ] || fail "no desktop shortcut"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Blefino'
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "Apps & features does not list Блефино $version"
exe='C:\Program Files\Blefino\blefino.exe'

step "--version from a console"
answer=$(w "$exe" --version | tr -d '\r')
[ "$answer" = "Блефино (blefino) $version" ] || fail "--version said '$answer'"

# The next line of the game's trace, the boxes answered until the human's move.
. "$(dirname "$0")/../support/follow_trace.sh"
game_over_png=$out/game-over.png

# One fixed game (BLEFINO_SEED=7 ends in about a dozen moves by keys), so that
# a run shows the same game as the last.
start_game() {
  seen=0
  BLEFINO_SEED=7 BLEFINO_TRACE=1 w "$exe" 2>"$trace" &
  pid=$!
  title=$(find_window 60 '^Карточная игра$')
  [ -n "$title" ] || fail "no start-up window"
}
game_ended() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the game still runs"
  $wineserver -w
}

# The wins, losses and draws in the registry, added up. The store keeps each
# count as its text's bytes, which reg shows in hexadecimal.
count() {
  local total=0 v hex
  for v in win loss draw; do
    hex=$(reg_value 'HKCU\Software\Talvik\Blefino\Statistics' $v)
    total=$((total + $(printf "$(echo "$hex" | sed 's/../\\x&/g')" | tr -d '\0')))
  done
  echo "$total"
}

step "the installed game: moves by mouse and by keys to the end of a game"
start_game
sleep 1
import -window root "$out/title.png"
xdotool windowactivate --sync "$title" key --clearmodifiers Return
win=$(find_window 30 '^Игровое поле$')
[ -n "$win" ] || fail "no window named Игровое поле"
next_event
[ "${event%% *}" = deal ] || fail "expected a deal, the game said: $event"
results=$(count)  # the counts the game starts with, read at start-up
eval "$(xdotool getwindowgeometry --shell "$win")"
menu_h=$((HEIGHT - 529))
card_x=$((16 + 30)) card_y=$((menu_h + 458 + 40))  # the human's first card
main_x=$((344 + 40)) main_y=$((menu_h + 272 + 36))  # the main button
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
if [ "$event" = "deal first human" ]; then answer_until_hand_over; else click "$main_x" "$main_y"; answer_until_hand_over; fi
import -window root "$out/table.png"
playing=1
for move in 1 2; do
  click "$card_x" "$card_y"; click "$card_x" "$card_y"; click "$main_x" "$main_y"
  echo "move $move by mouse"
  answer_until_hand_over || { playing=0; break; }
done
import -window root "$out/after-mouse-moves.png"
moves=0
while [ "$playing" = 1 ]; do
  moves=$((moves + 1))
  [ "$moves" -le 150 ] || fail "no end of the game after 150 moves"
  xdotool windowactivate --sync "$win" key --clearmodifiers --delay 100 End space space Return
  # With no card left in hand the only move is an answer: "Верю" (В, the D key).
  before=$seen
  for _ in $(seq 40); do [ "$(events | wc -l)" -gt "$before" ] && break; sleep 0.1; done
  [ "$(events | wc -l)" -gt "$before" ] || xdotool windowactivate --sync "$win" key --clearmodifiers d
  answer_until_hand_over || playing=0
done
echo "the game ended after $moves moves by keys"
game_ended
grep -q "^blefino-trace: game-end" "$trace" || fail "the trace shows no end of a game"
results=$((results + 1))
[ "$(count)" = "$results" ] ||
  fail "the registry holds $(count) results after one game, not $results: $(w reg query 'HKCU\Software\Talvik\Blefino\Statistics' | tr -d '\r')"

step "a restart reads the result and keeps it"
start_game
xdotool windowactivate --sync "$title" key --clearmodifiers Return
win=$(find_window 30 '^Игровое поле$')
[ -n "$win" ] || fail "no table after the restart"
sleep 2
import -window root "$out/restart.png"
# A second start hands over to the running game and ends.
LC_ALL=ru_RU.UTF-8 timeout 60 "$wine" "$exe" 2>/dev/null || fail "a second copy did not end by itself"
kill -0 "$pid" 2>/dev/null || fail "the first copy ended when a second started"
[ "$(xdotool search --onlyvisible --name '^Игровое поле$' | wc -l)" = 1 ] || fail "two tables after a second start"
xdotool windowactivate --sync "$win" key --clearmodifiers alt+F4
box=$(find_window 30 '^Завершение$')
[ -n "$box" ] || fail "no exit question"
xdotool windowactivate --sync "$box" key --clearmodifiers Return
game_ended
[ "$(count)" = "$results" ] || fail "after a restart the registry holds $(count) results, not $results"

step "silent uninstall"
w 'C:\Program Files\Blefino\uninstall.exe' /S
$wineserver -w
for _ in $(seq 50); do [ -e "$dir/blefino.exe" ] || break; sleep 0.2; done
[ ! -e "$dir" ] || fail "the program's folder is still there: $(ls "$dir")"
[ ! -e "$menu" ] || fail "the Start-menu shortcut is still there"
[ -z "$(reg_value "$uninstall_key" DisplayVersion)" ] || fail "Apps & features still lists Блефино"
[ "$(count)" = "$results" ] || fail "the uninstaller took the player's results"
[ "$tests_ok" = 1 ] || fail "the window tests failed under Wine ($out/window-tests.log); all else passed"
echo "PASS (screenshots in $out)"
