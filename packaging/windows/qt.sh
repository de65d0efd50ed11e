#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows from Debian's source package of the
# host's Qt, once per machine: the result is kept under
#   ~/.cache/blefino/qt-<version>-win64-<key>
# where the key sums the configure flags, the toolchain and the compiler, so a
# change of any of them builds afresh. Prints the Qt folder on its last line.
# Usage: packaging/windows/qt.sh [--where]
#   --where  only prints the folder a build would use (and fails if it is not built)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${BLEFINO_CACHE:-$HOME/.cache/blefino}"
toolchain="$here/mingw-w64-x86_64.cmake"

# The host's Qt: its tools (moc, rcc, uic) build the Windows one, so the versions match.
version="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null)" ||
  { echo "qt6-base-dev is not installed (scripts/deps.sh installs it)" >&2; exit 1; }
upstream="${version%%+*}"
upstream="${upstream%%-*}"

# Only what the game uses: Core, Gui, Widgets, Network (the single-instance
# check), Test (the window tests) and the windows platform plugin, all static
# and optimised for size. The Debian source lacks some third-party code
# (wintab, sqlite), so what needs it is off; OpenGL, SQL, D-Bus, printing,
# HTTP and the widgets and dialogs the game never shows are left out, which
# also makes the build shorter by a good third.
flags=(
  -release -optimize-size -static -xplatform win32-g++ -qt-host-path /usr
  -nomake tests -nomake examples
  -no-opengl -no-dbus -no-icu -no-openssl -no-zstd -no-freetype -no-fontconfig
  -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-harfbuzz -qt-doubleconversion
  -no-feature-sql -no-feature-printsupport -no-feature-concurrent -no-feature-xml
  -no-feature-tabletevent -no-feature-vulkan -no-feature-schannel -no-feature-direct2d
  -no-feature-androiddeployqt -no-feature-tuiotouch -no-feature-pdf -no-feature-movie
  -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
  -no-feature-http -no-feature-networkdiskcache -no-feature-socks5 -no-feature-dnslookup
  -no-feature-udpsocket -no-feature-sctp -no-feature-dtls -no-feature-ocsp
  -no-feature-graphicsview -no-feature-mdiarea -no-feature-dockwidget
  -no-feature-calendarwidget -no-feature-datetimeedit -no-feature-dial -no-feature-lcdnumber
  -no-feature-splashscreen -no-feature-toolbox -no-feature-wizard -no-feature-colordialog
  -no-feature-fontdialog -no-feature-filedialog -no-feature-inputdialog
  -no-feature-progressdialog -no-feature-errormessage -no-feature-undocommand
  -no-feature-keysequenceedit -no-feature-columnview -no-feature-tableview
  -no-feature-treewidget -no-feature-syntaxhighlighter -no-feature-fontcombobox
  -no-feature-commandlinkbutton
)
key="$( (printf '%s\n' "$version" "${flags[@]}"; cat "$toolchain";
  x86_64-w64-mingw32-g++-posix --version 2>/dev/null | head -1) | sha256sum | cut -c1-12)"
prefix="$cache/qt-$upstream-win64-$key"

if [ -f "$prefix/.built" ]; then
  echo "$prefix"
  exit 0
fi
if [ "${1:-}" = --where ]; then
  echo "$prefix"
  exit 1
fi

# apt fetches sources only from deb-src entries: where there are none, the
# same archives and suites as the binary packages' are added for sources.
add_deb_src() {
  local sudo="" lists=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list)
  local deb822=(/etc/apt/sources.list.d/*.sources)
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if grep -qsE '^[[:space:]]*deb-src[[:space:]]' "${lists[@]}" ||
    grep -qsE '^Types:.*\bdeb-src\b' "${deb822[@]}"; then
    return 0
  fi
  echo "Adding the Debian source archives to apt (/etc/apt/sources.list.d/blefino-src.*)" >&2
  if ls "${deb822[@]}" >/dev/null 2>&1; then
    sed -n '/^Types:/s/^Types:.*/Types: deb-src/;p' "${deb822[@]}" |
      $sudo tee /etc/apt/sources.list.d/blefino-src.sources >/dev/null
  fi
  if grep -qsE '^[[:space:]]*deb[[:space:]]' "${lists[@]}"; then
    grep -hE '^[[:space:]]*deb[[:space:]]' "${lists[@]}" | sed 's/^\([[:space:]]*\)deb/\1deb-src/' |
      $sudo tee /etc/apt/sources.list.d/blefino-src.list >/dev/null
  fi
  $sudo apt-get update -qq
}

# One build at a time: a second caller waits for the first and uses its Qt.
mkdir -p "$cache"
exec 9>"$cache/qt-$upstream-win64-$key.lock"
flock 9
if [ -f "$prefix/.built" ]; then
  echo "$prefix"
  exit 0
fi

# Debian's source of the very same version, with Debian's patches applied.
src="$cache/src"
mkdir -p "$src"
tree="$src/qtbase-$upstream"
if [ ! -f "$tree/configure" ]; then
  dsc="$(ls "$src"/qt6-base_"${upstream}"*.dsc 2>/dev/null | head -1 || true)"
  if [ -z "$dsc" ]; then
    add_deb_src
    (cd "$src" && apt-get source --download-only "qt6-base=$version")
    dsc="$(ls "$src"/qt6-base_"${upstream}"*.dsc | head -1)"
  fi
  rm -rf "$tree.part"
  dpkg-source --no-check -x "$dsc" "$tree.part" >/dev/null
  mv "$tree.part" "$tree"
fi

# Qt 6.4's Windows style still names two of the parts left out above; the
# patches in patches/ mend that. They only make these flags build at all, so
# they are not part of the key: no Qt without them can have been kept.
for patch in "$here"/patches/*.patch; do
  applied="$tree/.blefino-$(basename "$patch").applied"
  [ -f "$applied" ] && continue
  patch -d "$tree" -p1 --forward --quiet <"$patch"
  touch "$applied"
done

build="$cache/build-qt-$upstream-win64-$key"
# Qt's own CMake files name the toolchain for every later build against this
# Qt, so it is kept beside them rather than in one checkout.
toolchain_kept="$prefix/$(basename "$toolchain")"
if [ -f "$build/.configured" ]; then
  # A build cut short (a closed session, a reboot) goes on where it stopped.
  echo "Going on with the build of Qt $upstream for Windows in $build" >&2
  cd "$build"
else
  rm -rf "$build" "$prefix"
  mkdir -p "$build" "$prefix"
  cp "$toolchain" "$toolchain_kept"
  cd "$build"
  echo "Building Qt $upstream for Windows into $prefix (hours on two busy cores)" >&2
  "$tree/configure" -prefix "$prefix" "${flags[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain_kept" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/"$(dpkg-architecture -qDEB_HOST_MULTIARCH)"/cmake >configure.log 2>&1 ||
    { tail -40 configure.log >&2; echo "Qt's configure failed: $build/configure.log" >&2; exit 1; }
  touch .configured
fi
cmake --build . --parallel "${BLEFINO_JOBS:-$(nproc)}" >build.log 2>&1 ||
  { grep -m5 -B2 -A8 "error" build.log >&2 || tail -40 build.log >&2;
    echo "Qt's build failed: $build/build.log" >&2; exit 1; }
cmake --install . >install.log 2>&1
touch "$prefix/.built"
cd "$cache"
rm -rf "$build"
echo "$prefix"
