#!/bin/sh
# One game at a time per player, the real program offscreen in a throwaway home: a later start
# hands over to the running copy and ends by itself, touching nothing in the settings folder;
# once the running copy is killed, the next start takes over its stale lock. With no lock file
# to be had (the settings folder cannot be made), copies started all at once make one table.
#   tests/app/single_instance_test.sh PATH/TO/blefino
set -eu
bin=$1 home=$(mktemp -d) pids=
trap 'for p in $pids; do kill -9 "$p" 2>/dev/null || true; done; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" TMPDIR="$home/tmp" QT_QPA_PLATFORM=offscreen
dir="$XDG_CONFIG_HOME/Talvik" && leftover="$dir/Blefino.ini.AbCdEf"
mkdir -p "$TMPDIR" "$dir"
printf '[Parameters]\nname=Tester\nskin=3\n\n[Statistics]\ndraw=1\nloss=2\nwin=3\n' >"$dir/Blefino.ini"
fail() { echo "FAIL: $*" >&2; exit 1; }
snapshot() { (cd "$dir" && ls -A && cksum Blefino.ini && stat -c %y Blefino.ini); }

# The first copy is ready once it has cleared a killed save's leftover, just after it begins to listen.
start_first() {
  : >"$leftover"
  "$bin" 2>/dev/null &
  first=$! pids="$pids $!"
  for _ in $(seq 400); do [ -e "$leftover" ] || return 0; sleep 0.05; done
  fail "$1 did not start"
}
start_later() {
  : >"$leftover"
  before=$(snapshot)
  timeout 20 "$bin" 2>/dev/null || fail "the $1 start did not end by itself (status $?)"
  [ "$(snapshot)" = "$before" ] || fail "the $1 start touched the settings folder"
  kill -0 "$first" 2>/dev/null || fail "the running copy ended"
}

start_first "the first copy"
start_later second
kill -9 "$first" && wait "$first" 2>/dev/null || true
start_first "the start after a crash"
start_later fourth
kill -9 "$first"

# All at once, with a file where the settings folder should be: exactly one copy gets past the
# lock (and stops at the box that says the settings cannot be used), the others give way.
unset XDG_RUNTIME_DIR
export XDG_CONFIG_HOME="$home/blocked" BLEFINO_TRACE=1
: >"$XDG_CONFIG_HOME"
for i in 1 2 3 4 5 6; do
  "$bin" 2>"$home/trace$i" &
  pids="$pids $!"
done
count() { cat "$home"/trace? | grep -c "^blefino-trace: start-up $1 "; }
for _ in $(seq 400); do
  [ "$(count single-instance)" -ge 1 ] && [ "$(count second-copy)" -ge 5 ] && break
  sleep 0.05
done
[ "$(count single-instance)" = 1 ] && [ "$(count second-copy)" = 5 ] ||
  fail "$(count single-instance) of six copies started all at once played, $(count second-copy) gave way"
echo OK
