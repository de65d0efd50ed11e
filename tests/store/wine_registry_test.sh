#!/usr/bin/env bash
# Builds the registry store and its test for Windows with mingw-w64 and runs
# it under Wine, in a throwaway prefix with the Russian ANSI code page 1251.
#   wine_registry_test.sh <source dir>
set -uo pipefail
src="${1:?usage: $0 <source dir>}"
cxx=x86_64-w64-mingw32-g++-posix
wine=/usr/lib/wine/wine64
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v "$cxx" >/dev/null || fail "no $cxx: install g++-mingw-w64-x86-64-posix (scripts/deps.sh does)"
[ -x "$wine" ] || fail "no $wine: install wine64 (scripts/deps.sh does)"
work="$(mktemp -d)" || fail "cannot make a temporary folder"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap '/usr/lib/wine/wineserver -k >/dev/null 2>&1; rm -rf "$work"' EXIT
"$cxx" -std=c++20 -O1 -Wall -Wextra -I"$src" "$src/tests/store/registry_test.cpp" \
  "$src/store/store.cpp" "$src/core/stored_count.cpp" "$src/store/registry_backend.cpp" -static -static-libgcc -static-libstdc++ \
  -ladvapi32 -o "$work/registry_test.exe" || fail "the registry store does not compile for Windows"

# Headless and quiet; the Russian locale gives code page 1251 (Wine needs no
# installed glibc locale for that). A new prefix takes a few seconds.
unset DISPLAY WAYLAND_DISPLAY
LC_ALL=ru_RU.UTF-8 "$wine" "$work/registry_test.exe" 2>"$work/wine.log" ||
  { cat "$work/wine.log" >&2; fail "the registry test failed under Wine (its failed checks are above)"; }
echo PASS
