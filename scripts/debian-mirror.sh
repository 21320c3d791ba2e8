# Sourced by the scripts that make a chroot: the first Debian archive this
# machine's apt names, in either format of its sources.
# Usage: mirror=$(debian_mirror)   (stops with a message when apt names none)
debian_mirror() {
  local mirror
  mirror=$( (cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null || true) |
    sed -n 's|^URIs: *\(https\?://[^ ]*/debian/\?\)$|\1|p; s|^deb \(https\?://[^ ]*/debian/\?\) .*|\1|p' |
    head -n1)
  [ -n "$mirror" ] || { echo "${0##*/}: no Debian mirror in this machine's apt sources" >&2; exit 1; }
  echo "$mirror"
}
