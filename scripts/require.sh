# Sourced by the scripts: stops with a message that names a missing tool and the
# package and group of scripts/deps.sh that install it.
# Usage: require TOOL PACKAGE GROUP
require() {
  command -v "$1" >/dev/null && return
  echo "${0##*/}: '$1' is not installed; it comes with the Debian package $2 (scripts/deps.sh $3)" >&2
  exit 127
}
