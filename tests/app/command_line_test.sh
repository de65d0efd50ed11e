#!/usr/bin/env bash
# --version, --help and a wrong option, answered with no display at all and
# under the offscreen platform: exit codes, and which stream says what.
# Usage: command_line_test.sh PROGRAM VERSION [TEXT THE HELP MUST NAME...]
set -u
prog=$1 version=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL ($where): $*" >&2; sed 's/^/  stdout: /' "$tmp/out"; sed 's/^/  stderr: /' "$tmp/err"; exit 1; }
run() { env "${screen[@]}" "$prog" "$@" >"$tmp/out" 2>"$tmp/err"; rc=$?; }

for where in "no display" offscreen; do
  if [ "$where" = offscreen ]; then screen=(QT_QPA_PLATFORM=offscreen)
  else screen=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM); fi

  run --version
  [ "$rc" = 0 ] || fail "--version exited $rc"
  first=$(head -n 1 "$tmp/out")
  [ "${first##* }" = "$version" ] || fail "--version does not end with $version"
  [ -s "$tmp/err" ] && fail "--version wrote to stderr"

  run --help
  [ "$rc" = 0 ] || fail "--help exited $rc"
  for text in "$@"; do grep -qF -- "$text" "$tmp/out" || fail "--help does not name $text"; done
  [ -s "$tmp/err" ] && fail "--help wrote to stderr"

  run --no-such-option
  [ "$rc" = 2 ] || fail "an unknown option exited $rc, not 2"
  [ -s "$tmp/out" ] && fail "an unknown option wrote to stdout"
  grep -qF -- --help "$tmp/err" || fail "an unknown option did not print the usage to stderr"
done
echo "ok: $(basename "$prog") --version, --help, unknown option"
