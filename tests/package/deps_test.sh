#!/usr/bin/env bash
# scripts/deps.sh installs only what is missing: a package whose triggers are
# still pending counts as installed, one removed with its settings kept does not.
# dpkg-query, apt-get and sudo are stand-ins that record what they were asked.
#   deps_test.sh <source dir>
set -euo pipefail
src="${1:?usage: $0 <source dir>}"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
mkdir "$tmp/bin"
cat >"$tmp/bin/dpkg-query" <<'STUB'
#!/bin/sh
for a; do p=$a; done
case "$p" in
  gone) printf 'deinstall ok config-files' ;;
  *) printf '%s' "$BLEFINO_FAKE_STATUS" ;;
esac
STUB
printf '#!/bin/sh\necho "$*" >>"%s/apt"\n' "$tmp" >"$tmp/bin/apt-get"
printf '#!/bin/sh\nexec "$@"\n' >"$tmp/bin/sudo"
chmod +x "$tmp/bin/"*

for status in "install ok triggers-pending" "install ok triggers-awaited" "install ok installed"; do
  rm -f "$tmp/apt"
  PATH="$tmp/bin:$PATH" BLEFINO_FAKE_STATUS="$status" "$src/scripts/deps.sh" >/dev/null
  [ ! -e "$tmp/apt" ] || fail "with every package '$status', deps.sh ran apt-get $(cat "$tmp/apt")"
done
PATH="$tmp/bin:$PATH" BLEFINO_FAKE_STATUS="install ok triggers-pending" "$src/scripts/deps.sh" play gone >/dev/null
grep -q "install .* gone$" "$tmp/apt" || fail "a removed package was not installed again"
echo PASS
