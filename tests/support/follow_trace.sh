# Sourced by the tests that play the real program: follows the game through its
# BLEFINO_TRACE lines in "$trace", while the game "$pid" runs; `fail` is the
# caller's. The start-up's own timings are no events of the game, and a line
# written on Windows ends in a carriage return.
seen=0
events() { grep '^blefino-trace: ' "$trace" | grep -v '^blefino-trace: start-up ' | tr -d '\r'; }
# The next event into $event, waiting for it as long as the game runs.
next_event() {
  for _ in $(seq 1200); do
    if [ "$(events | wc -l)" -gt "$seen" ]; then
      seen=$((seen + 1))
      event=$(events | sed -n "${seen}p" | cut -d' ' -f2-)
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || fail "blefino ended"
    sleep 0.1
  done
  fail "no word from the game for two minutes"
}
