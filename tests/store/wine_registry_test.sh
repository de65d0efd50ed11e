#!/usr/bin/env bash
# Builds the registry store and its test program for Windows with mingw-w64
# and runs it under Wine in a throwaway Wine prefix with the Russian ANSI
# code page (1251). Usage: wine_registry_test.sh <source dir>
set -uo pipefail

src="${1:?usage: $0 <source dir>}"
cxx=x86_64-w64-mingw32-g++-posix
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

fail() { echo "FAIL: $*" >&2; exit 1; }

command -v "$cxx" >/dev/null ||
  fail "$cxx not found; install the Debian package g++-mingw-w64-x86-64-posix (scripts/deps.sh does)"
[ -x "$wine" ] || fail "$wine not found; install the Debian package wine64 (scripts/deps.sh does)"

work="$(mktemp -d)" || fail "cannot make a temporary folder"
export WINEPREFIX="$work/prefix"
cleanup() {
  [ -x "$wineserver" ] && "$wineserver" -k >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

echo "Compiling the registry test with $cxx"
"$cxx" -std=c++20 -O1 -Wall -Wextra -I"$src" -I"$src/store" -I"$src/core" \
  "$src/tests/store/registry_test.cpp" "$src/store/store.cpp" "$src/store/registry_backend.cpp" \
  -static -static-libgcc -static-libstdc++ -ladvapi32 -o "$work/registry_test.exe" ||
  fail "the registry store does not compile for Windows"

# Quiet, headless Wine; the Russian locale gives the ANSI code page 1251
# (Wine needs no installed glibc locale for that).
unset DISPLAY WAYLAND_DISPLAY
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

echo "Running it under Wine (a new prefix takes a few seconds to create)"
LC_ALL=ru_RU.UTF-8 "$wine" "$work/registry_test.exe" 2> "$work/wine.log"
rc=$?
if [ "$rc" -ne 0 ]; then
  echo "--- Wine's own messages:" >&2
  cat "$work/wine.log" >&2
  fail "the registry test under Wine exited with $rc (failed checks are listed above)"
fi
echo "PASS"
