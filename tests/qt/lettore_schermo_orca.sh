#!/usr/bin/env bash
# The report as a blind user hears it: Orca and Varnelo in a private X display
# and a private D-Bus session, with a home of their own, driven by keys
# (lettore_schermo_orca.py). Every process it starts ends with it. Orca runs in
# a PID namespace of its own: its --replace ends every Orca of the same user,
# and must find none but the test's, never the screen reader of the person
# running the tests nor a second run's.
# Usage: lettore_schermo_orca.sh VARNELO RIGHE_REPORT WORK_DIR [EXAMPLE...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/require.sh"
source "$here/../../scripts/display.sh"
require Xvfb xvfb tests
require dbus-run-session dbus-daemon tests
require orca orca tests
require xdotool xdotool tests
require python3 python3 tests
require unshare util-linux tests
# The accessibility bus comes by D-Bus activation, from at-spi2-core.
[ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] || {
  echo "${0##*/}: the accessibility bus is not installed; it comes with the Debian package at-spi2-core (scripts/deps.sh tests)" >&2
  exit 127
}

# A PID namespace whose first process ends every other when it ends. Root may
# make one; another user, or root in a container that forbids it, makes it
# inside a user namespace of its own. Without either there is no safe way to
# start Orca: fail, never fall back to the caller's session.
spazio_proprio=()
candidati=("--user --map-current-user")
[ "$(id -u)" -ne 0 ] || candidati=("" "${candidati[@]}")
for utente in "${candidati[@]}"; do
  # shellcheck disable=SC2206 # the options split at blanks
  prova=(unshare $utente --pid --fork --mount-proc --kill-child)
  if rifiuto=$("${prova[@]}" true 2>&1); then
    spazio_proprio=("${prova[@]}")
    break
  fi
done
[ ${#spazio_proprio[@]} -gt 0 ] || {
  echo "${0##*/}: this machine lets no process make a PID namespace ($rifiuto);" \
    "without one Orca's --replace would end the screen readers of this user, so the test is not run" >&2
  exit 1
}

varnelo=$(realpath "$1")
righe=$(realpath "$2")
work=$3
shift 3
rm -rf "$work"
mkdir -p "$work/home/run"
chmod 700 "$work/home/run"

sessione=""
finisci() {
  # Whatever the session left running (the accessibility bus, its registry):
  # they are in the process group of the timeout below.
  if [ -n "$sessione" ] && kill -- -"$sessione" 2>/dev/null; then
    for _ in $(seq 30); do
      ps -eo pgid=,stat= | awk -v g="$sessione" '$1 == g && $2 !~ /^Z/' | grep -q . || break
      sleep 0.1
    done
    kill -KILL -- -"$sessione" 2>/dev/null || true
  fi
  ferma_display
}
trap finisci EXIT
# A key held while Orca is slow to take it must not repeat: a repeated Alt
# closes the menu that Alt+V has just opened. XKB's longest delay, 65 s, is
# longer than any key is held here.
display_privato -ardelay 65535

# Qt on the X display, its accessibility on whatever a screen reader says; the
# session's own bus and home, so that nothing of the caller's is used or changed.
export HOME=$work/home XDG_RUNTIME_DIR=$work/home/run XDG_CONFIG_HOME=$work/home/.config \
  XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache \
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GSETTINGS_BACKEND=memory
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER
# timeout makes a process group of its own, which it ends when time is up.
timeout -k 10 240 "${spazio_proprio[@]}" dbus-run-session -- python3 "$here/lettore_schermo_orca.py" \
  "$varnelo" "$righe" "$work" "$@" &
sessione=$!
status=0
wait "$sessione" || status=$?
[ "$status" -ne 124 ] || echo "${0##*/}: still running after 240 s, ended" >&2
exit "$status"
