#!/usr/bin/env bash
# Checks a built package as a player's machine would meet it: the menu entry
# and the software-centre description validate, lintian finds no error, the
# program unpacked from the package starts, and, where we are root, the
# package installs with apt-get and removes cleanly.
# Usage: tests/package/check.sh PATH/TO/blefino_VERSION_ARCH.deb
set -euo pipefail
deb=$(realpath "$1")
version=$(dpkg-deb -f "$deb" Version)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "== $*"; }

step "unpacking $(basename "$deb")"
dpkg-deb -x "$deb" "$tmp/root"
root=$tmp/root/usr

step "desktop entry"
desktop-file-validate "$root/share/applications/blefino.desktop"

# Found by its English and its Russian name and words alike.
for key in "Name=Blefino" "Name\[ru\]=Блефино" "Keywords=.*bluff" "Keywords\[ru\]=.*блеф"; do
  grep -q "^$key" "$root/share/applications/blefino.desktop" || fail "the desktop entry lacks $key"
done

step "AppStream description"
metainfo=$(echo "$root"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the description has no release $version"
grep -q "<keyword>bluff</keyword>" "$metainfo" && grep -q "<keyword xml:lang=\"ru\">блеф</keyword>" "$metainfo" ||
  fail "the description lacks its English or Russian keywords"

step "icons"
for size in 16 24 32 48 64 128 256; do
  png="$root/share/icons/hicolor/${size}x$size/apps/blefino.png"
  file "$png" | grep -q "PNG image data, $size x $size," || fail "no $size px icon: $(file "$png")"
done
[ -f "$root/share/icons/hicolor/scalable/apps/blefino.svg" ] || fail "no scalable icon"

step "machine-readable copyright"
python3 "$(dirname "$0")/dep5.py" "$root/share/doc/blefino/copyright"

step "lintian"
status=0
lintian --fail-on error "$deb" >"$tmp/lintian" 2>&1 || status=$?
grep -v 'running with root privileges' "$tmp/lintian" || true
[ "$status" = 0 ] || fail "lintian reports an error"

step "the unpacked program, offscreen"
# It answers before it needs any display: no window, no settings file.
answer=$(QT_QPA_PLATFORM=offscreen HOME="$tmp/home" "$root/games/blefino" --version)
[ "${answer##* }" = "$version" ] || fail "blefino --version said '$answer', the package is $version"

step "install and remove with apt-get"
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing needs root"
elif dpkg-query -W -f='${Status}' blefino 2>/dev/null | grep -q "install ok installed"; then
  echo "skipped: blefino is installed on this machine already; not replacing it"
else
  # apt's download user must be able to read the file.
  chmod 755 "$tmp" && cp "$deb" "$tmp/" && chmod 644 "$tmp/$(basename "$deb")"
  (cd "$tmp" && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o Dpkg::Use-Pty=0 "./$(basename "$deb")")
  answer=$(QT_QPA_PLATFORM=offscreen /usr/games/blefino --version)
  [ "${answer##* }" = "$version" ] || fail "installed blefino --version said '$answer'"
  [ -f /usr/share/metainfo/"$(basename "$metainfo")" ] || fail "the description is not installed"
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq -o Dpkg::Use-Pty=0 blefino
  [ ! -e /usr/games/blefino ] || fail "/usr/games/blefino is still there after removal"
  dpkg-query -W -f='${Status}' blefino 2>/dev/null | grep -q "install ok installed" &&
    fail "dpkg still lists blefino as installed"
fi
echo "ok: $(basename "$deb")"
