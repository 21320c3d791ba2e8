# Sourced by the scripts that need an X display of their own: the package's
# own test starts it the same way, and is the one that says how.
source "$(dirname "${BASH_SOURCE[0]}")/../debian/tests/display_privato.sh"
