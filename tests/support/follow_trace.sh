# Sourced by the tests that play the real program: follows the game through its
# BLEFINO_TRACE lines in "$trace" while the game "$pid" runs, finds its windows
# and answers its boxes; `fail` is the caller's. The start-up's own timings are
# no events of the game, and a line written on Windows ends in a carriage return.
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

# A shown window whose title matches PATTERN, looked for again for SECONDS
# while windows come and go (xdotool's own wait gives up when one closes
# under its search).
find_window() {
  local id
  for _ in $(seq $(($1 * 2))); do
    id=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.5
  done
}

# Answers each message box the game announces with Enter until the move is
# the human's. At "Сыграем еще раз?" it answers "Нет" (Esc), first saving the
# screen to "$game_over_png" where the caller set one; that and the exit
# question end the game: then it returns 1.
answer_until_hand_over() {
  while next_event; do
    case "$event" in
      hand-over) return 0 ;;
      "message "*)
        local title=${event#message }; title=${title%%: *}
        local box
        box=$(find_window 30 "^${title}\$")
        [ -n "$box" ] || fail "no box for: $event"
        echo "  box: ${event#message }"
        case "$event" in
          *"Сыграем еще раз?"*)
            [ -n "${game_over_png:-}" ] && import -window root "$game_over_png"
            xdotool windowactivate --sync "$box" key --clearmodifiers Escape
            return 1 ;;
        esac
        xdotool windowactivate --sync "$box" key --clearmodifiers Return
        [ "$title" = "Завершение" ] && return 1
        ;;
      *) echo "  $event" ;;
    esac
  done
}
