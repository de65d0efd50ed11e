#!/bin/sh
# Another account on the same machine cannot stop a player's game. It makes the folder where the
# player's socket would go first, and listens there and where the socket used to be, answering
# every knock as a running copy would. The player's game still starts, with a settings folder
# and without one (no lock file to be had), and never knocks at the other account's door.
# Needs root to make the second account, which it removes again; skipped otherwise.
#   tests/app/second_user_test.sh PATH/TO/blefino
set -eu
bin=$1
if [ "$(id -u)" != 0 ] || ! command -v useradd >/dev/null || ! command -v setpriv >/dev/null; then
  echo "SKIP: a second account is made with useradd and used with setpriv, as root only"
  exit 77
fi
other="blefino-other-$$" work=$(mktemp -d) pids=
useradd --system --no-create-home --shell /usr/sbin/nologin "$other"
trap 'for p in $pids; do kill -9 "$p" 2>/dev/null || true; done; wait; userdel "$other"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
chmod 755 "$work" && mkdir -m 1777 "$work/tmp" && : >"$work/knocks" && chmod 666 "$work/knocks"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" TMPDIR="$work/tmp" \
  QT_QPA_PLATFORM=offscreen BLEFINO_TRACE=1
unset XDG_RUNTIME_DIR
dir="$XDG_CONFIG_HOME/Talvik" && mkdir -p "$dir"
name="Blefino-$(printf %s "$dir" | sha1sum | cut -c1-16)"

setpriv --reuid="$other" --regid="$other" --clear-groups mkdir -m 777 "$TMPDIR/blefino-$(id -u)"
setpriv --reuid="$other" --regid="$other" --clear-groups perl -MIO::Socket::UNIX -MIO::Select -e '
  my ($log, @paths) = @ARGV; my $all = IO::Select->new;
  for (@paths) { $all->add(IO::Socket::UNIX->new(Local => $_, Listen => 5) or die "$_: $!");
                 chmod 0777, $_ }
  open(my $out, ">>", $log) or die; $out->autoflush(1);
  while (my @ready = $all->can_read) { for (@ready) { my $c = $_->accept; print $out "knock\n";
                                                     print $c "front\n"; close $c } }' \
  "$work/knocks" "$TMPDIR/blefino-$(id -u)/$name" "$TMPDIR/$name" &
pids="$pids $!"
for _ in $(seq 100); do [ -S "$TMPDIR/$name" ] && break; sleep 0.05; done
[ -S "$TMPDIR/$name" ] || fail "the other account's listener did not start"

# Plays: gets past the single-instance step and is still running.
plays() {
  "$bin" 2>"$work/trace$1" &
  pid=$! pids="$pids $!"
  for _ in $(seq 400); do
    grep -q "^blefino-trace: start-up $2 " "$work/trace$1" && return 0
    kill -0 "$pid" 2>/dev/null || fail "start $1 ended: $(cat "$work/trace$1")"
    sleep 0.05
  done
  fail "start $1 never reached $2"
}
plays 1 single-instance
plays 2 second-copy # held off by the first copy's lock
export XDG_CONFIG_HOME="$work/blocked" && : >"$XDG_CONFIG_HOME"
plays 3 single-instance
[ ! -s "$work/knocks" ] || fail "the game knocked at the other account's socket"
[ "$(stat -c %a "$TMPDIR/blefino-$(id -u)")" = 777 ] && [ -S "$TMPDIR/blefino-$(id -u)/$name" ] ||
  fail "the game used the other account's folder"
echo OK
