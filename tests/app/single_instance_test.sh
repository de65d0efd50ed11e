#!/bin/sh
# One game at a time per player, with the real program on the offscreen
# platform and a throwaway home: a second start hands over to the running
# copy and ends by itself, having touched nothing in the settings folder;
# once the running copy is killed, the next start takes over its stale lock.
#   tests/app/single_instance_test.sh PATH/TO/blefino
set -eu
bin=$1
home=$(mktemp -d)
pids=
trap 'for p in $pids; do kill -9 "$p" 2>/dev/null || true; done; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" TMPDIR="$home/tmp" QT_QPA_PLATFORM=offscreen
dir="$XDG_CONFIG_HOME/Talvik"
leftover="$dir/Blefino.ini.AbCdEf"
mkdir -p "$TMPDIR" "$dir"
printf '[Parameters]\nname=Tester\nskin=3\n\n[Statistics]\ndraw=1\nloss=2\nwin=3\n' >"$dir/Blefino.ini"
fail() { echo "FAIL: $*" >&2; exit 1; }

# A copy that starts as the first one clears the leftover of a killed save
# just after it begins to listen for later copies: then it is ready.
start_first() {
  : >"$leftover"
  "$bin" 2>/dev/null &
  pids="$pids $!"
  i=0
  while [ -e "$leftover" ]; do
    i=$((i + 1)); [ "$i" -lt 400 ] || fail "$1 did not start"; sleep 0.05
  done
}
snapshot() { (cd "$dir" && ls -A && cksum Blefino.ini && stat -c %y Blefino.ini); }
start_later() {  # must hand over and end by itself, leaving the folder as it was
  : >"$leftover"
  before=$(snapshot)
  status=0
  timeout 20 "$bin" 2>/dev/null || status=$?
  [ "$status" -eq 0 ] || fail "the $1 start did not end by itself (status $status)"
  [ "$(snapshot)" = "$before" ] || fail "the $1 start touched the settings folder"
}

start_first "the first copy"
first=$!
start_later second
kill -0 "$first" 2>/dev/null || fail "the first copy ended"

kill -9 "$first"
wait "$first" 2>/dev/null || true
start_first "the start after a crash"
start_later fourth
kill -0 "$!" 2>/dev/null || fail "the copy that took over ended"
echo "OK"
