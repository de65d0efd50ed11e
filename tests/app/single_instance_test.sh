#!/bin/sh
# One game at a time per player, with the real program on the offscreen
# platform and a throwaway home: a second start hands over to the running
# copy and ends at once, having read and written nothing; once the running
# copy is killed, the next start takes over its stale lock and socket.
#   tests/app/single_instance_test.sh PATH/TO/blefino
set -eu
bin=$1
home=$(mktemp -d)
pids=
cleanup() {
  for p in $pids; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$home"
}
trap cleanup EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" TMPDIR="$home/tmp" QT_QPA_PLATFORM=offscreen
dir="$XDG_CONFIG_HOME/Talvik"
ini="$dir/Blefino.ini"
mkdir -p "$TMPDIR" "$dir"
printf '[Parameters]\nname=Tester\nskin=3\n\n[Statistics]\ndraw=1\nloss=2\nwin=3\n' >"$ini"

fail() { echo "FAIL: $*" >&2; exit 1; }
# A copy that starts as the first one removes the leftover of a killed save
# right after it begins to listen for later copies: its going says "ready".
plant_leftover() { : >"$ini.AbCdEf"; }
wait_ready() {
  i=0
  while [ -e "$ini.AbCdEf" ]; do
    i=$((i + 1)); [ "$i" -lt 400 ] || fail "$1 did not start"; sleep 0.05
  done
}
snapshot() { (cd "$dir" && ls -A && cksum Blefino.ini && stat -c %y Blefino.ini); }
second_start() {  # starts a copy that must hand over and end by itself
  before=$(snapshot)
  status=0
  timeout 20 "$bin" 2>/dev/null || status=$?
  [ "$status" -eq 0 ] || fail "the $1 start did not end by itself (status $status)"
  [ "$(snapshot)" = "$before" ] || fail "the $1 start touched the settings folder"
}

plant_leftover
"$bin" 2>/dev/null &
first=$!
pids=$first
wait_ready "the first copy"
plant_leftover
second_start second
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
[ -e "$ini.AbCdEf" ] || fail "the second start cleared the settings folder"

kill -9 "$first"
wait "$first" 2>/dev/null || true
"$bin" 2>/dev/null &
third=$!
pids="$pids $third"
wait_ready "the start after a crash"
plant_leftover
second_start fourth
kill -0 "$third" 2>/dev/null || fail "the copy that took over ended"
echo "OK"
