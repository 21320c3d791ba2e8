# Sourced by the package's test and by the scripts (scripts/display.sh) that
# need an X display of their own: a private Xvfb, on a display number it picks
# itself (xvfb-run's guess from lock files can take a number that another
# server, in another chroot, holds), that ends with the script.
# Usage: display_privato [XVFB_OPTION...]  (sets DISPLAY; needs Xvfb, from the package xvfb)
display_pid=""

ferma_display() {
  [ -n "$display_pid" ] || return 0
  kill "$display_pid" 2>/dev/null || true
  wait "$display_pid" 2>/dev/null || true
  display_pid=""
}

display_privato() {
  local numero
  numero=$(mktemp)
  # -displayfd: Xvfb picks a free display number and writes it when ready. In
  # a session of its own, so that it never holds the caller's terminal.
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" 3>"$numero" \
    </dev/null >/dev/null 2>&1 &
  display_pid=$!
  for _ in $(seq 100); do
    [ -s "$numero" ] && break
    kill -0 "$display_pid" 2>/dev/null || { rm -f "$numero"; echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
  done
  [ -s "$numero" ] || { rm -f "$numero"; echo "Xvfb gave no display number" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$numero")"
  rm -f "$numero"
}
