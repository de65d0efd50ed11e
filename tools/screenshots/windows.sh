#!/bin/sh
# Screenshots of the front windows in the real game under Xvfb:
#   tools/screenshots/windows.sh BUILD_DIR [OUT_DIR]
# windows-title.png, then from the table's menu windows-skins.png (F3),
# windows-stats.png (F4), windows-help.png (F1), windows-about.png (F5).
set -eu
build=$(cd "$1" && pwd)
out=$(mkdir -p "${2:-$(dirname "$0")/../../docs/screenshots}" && cd "${2:-$(dirname "$0")/../../docs/screenshots}" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  XVFB_RUN_INSIDE=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$out"
fi
home=$(mktemp -d)
pid=
wm=
# With openbox installed the windows get a window manager, as on a desktop.
if command -v openbox >/dev/null && [ -n "${XVFB_RUN_INSIDE:-}" ]; then
  openbox & wm=$!
  sleep 1
fi
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$wm" ] && kill "$wm" 2>/dev/null; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb
# A player with a few games behind him, so the statistics have something to show.
mkdir -p "$XDG_CONFIG_HOME/Talvik"
printf '[Parameters]\nskin=5\nname=Tester\n[Statistics]\nwin=7\nloss=4\ndraw=1\n' \
  >"$XDG_CONFIG_HOME/Talvik/Blefino.ini"

window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
shot() {  # caption, file
  w=$(window "$1")
  sleep 1  # painted, and the globe has turned a little
  import -window "$w" "$out/$2"
  echo "$out/$2"
}

"$build/app/blefino" &
pid=$!
shot "Карточная игра" windows-title.png
xdotool windowfocus --sync "$(window "Карточная игра")"
xdotool key Return
desk=$(window "Игровое поле")
menu_shot() {  # key, caption, file
  xdotool windowfocus --sync "$desk"
  xdotool key "$1"
  shot "$2" "$3"
  xdotool key Escape  # closes it again
  sleep 0.5
}
menu_shot F3 "Рубашки" windows-skins.png
menu_shot F4 "Статистика" windows-stats.png
menu_shot F1 "Справка " windows-help.png
menu_shot F5 "О программе" windows-about.png
