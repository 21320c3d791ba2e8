# Sourced by the scripts that run Wine (wine.sh, test-windows.sh, bench.sh):
# the settings every Windows test and script runs Wine with, the loader of the
# prefix's processor, and how a prefix is made.
# Debian's `wine` command starts the 32-bit loader first whenever wine32 is
# installed, which a kernel without 32-bit code cannot run; the 64-bit loader
# still hands a 32-bit program on to the 32-bit one where there is one.

# ambiente_wine win64|win32: exports the settings and sets `loader`; status 2
# for another name, 127 when that loader is not installed.
ambiente_wine() {
  local package
  case "${1:-}" in
    win64) loader=/usr/lib/wine/wine64 package=wine64 ;;
    win32) loader=/usr/lib/wine/wine package=wine32:i386 ;;
    *) return 2 ;;
  esac
  [ -x "$loader" ] || {
    echo "${0##*/}: $loader is missing; it comes with the Debian package $package (scripts/deps.sh windows)" >&2
    return 127
  }
  export WINEDEBUG=-all
  # No Mono or Gecko installers, no desktop menu entries.
  export WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
  # Wine's ANSI code page follows the locale: C gives 1252, as the tests expect.
  export LC_ALL=C.UTF-8
}

# crea_prefisso LAUNCHER...: makes $WINEPREFIX, as LAUNCHER (the loader, or a
# wrapper of it) runs Wine's own programs. There is no window manager on the
# scripts' displays, and without one a managed window takes 2 s to hide or
# destroy: Wine manages none.
crea_prefisso() {
  mkdir -p "$WINEPREFIX"
  "$@" wineboot --init
  "$@" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
}
