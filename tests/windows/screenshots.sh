#!/bin/sh
# Screenshots of the front windows under Xvfb:
#   tests/windows/screenshots.sh BUILD_DIR OUT_DIR
# Each window is shown alone on a grey screen and cut out by its geometry.
set -eu
build=$1
out=$2
mkdir -p "$out"
shot() {  # which, file, window name
  "$build/tests/windows/windows_preview" "$1" &
  pid=$!
  wid=$(xdotool search --sync --onlyvisible --name "$3" | head -n 1)
  sleep 1.2  # the globe turns a few frames, the window paints
  import -window "$wid" "$out/$2"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
shot title windows-title.png "Карточная игра"
shot skins windows-skins.png "Рубашки"
shot stats windows-stats.png "Статистика"
shot help windows-help.png "Справка"
shot about windows-about.png "О программе"
