#!/usr/bin/env bash
# Installs the MSI as an administrator does (msiexec /qn) in a Wine prefix made
# fresh for it, and checks the machine after each step: the exe of the
# package's processor, its license and notices in Program Files, the
# Start-menu entry starting it, one uninstall entry in the registry view of the
# package's processor, a reinstall that adds none, the upgrade rule both ways,
# and uninstalls that leave nothing behind. Given the other processor's package
# of the same version, each of the two replaces the other.
# Usage: installazione_msi.sh WINE_SH win64|win32 PREFIX PACKAGE LATER_PACKAGE AVVIO_DA_MENU_EXE ICON
#          [OTHER_PROCESSOR_PACKAGE]
# WINE_SH is the project's Wine launcher (scripts/wine.sh). Needs a display
# (DISPLAY), as the other Wine tests do. Exits 77 (skipped) when
# OTHER_PROCESSOR_PACKAGE is named but not there, after the other steps passed.
set -euo pipefail
export WINEARCH=$2 WINEPREFIX=$3
wine=("$1" "$WINEARCH")
pkg=$4
successivo=$5
avvio=$6
icona=$7
altro=${8:-}

proprieta() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v p="$2" '$1 == p { print $2 }'; }
versione=$(proprieta "$pkg" ProductVersion)
versione_successiva=$(proprieta "$successivo" ProductVersion)
# The registry views a reg query can name: 32-bit Windows has one.
viste="64 32"
[ "$WINEARCH" = win64 ] || viste=32
# Where a package belongs: the Program Files and registry view of its processor.
destinazione() {  # PACKAGE
  case "$(msiinfo suminfo "$1" | sed -n 's/^Template: //p') $WINEARCH" in
    "x64;1040 win64") programmi="Program Files" vista_voce=64 macchina="64 86" ;;
    "Intel;1040 win64") programmi="Program Files (x86)" vista_voce=32 macchina="4c 01" ;;
    "Intel;1040 win32") programmi="Program Files" vista_voce=32 macchina="4c 01" ;;
    *) echo "$1 names no platform that a $WINEARCH prefix takes" >&2; exit 2 ;;
  esac
  cartella="$WINEPREFIX/drive_c/$programmi/Varnelo"
  eseguibile="C:\\$programmi\\Varnelo\\Varnelo.exe"
}
destinazione "$pkg"

windows() { local p=${1//\//\\}; echo "Z:$p"; }
# Wine must never hold ctest's pipes: everything it starts writes to files.
staccato() { setsid -w "$@" </dev/null >/dev/null 2>&1; }
ferma() { wineserver -k >/dev/null 2>&1 || true; }
trap ferma EXIT

status=0
sbaglia() { echo "FAIL: $*"; status=1; }

# ---- A fresh prefix ------------------------------------------------------------

inizio=$SECONDS
ferma
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
log="$WINEPREFIX/log"
mkdir "$log"
staccato wineserver -p
staccato "${wine[@]}" wineboot --init
# Without a window manager a managed window takes 2 s to hide or destroy.
staccato "${wine[@]}" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
echo "fresh Wine prefix: $((SECONDS - inizio)) s"
(cd "$WINEPREFIX/drive_c" && find . -type f | sort) >"$log/file-prima"

# msiexec's status; Unix keeps its low byte, so a failed install (1603) is 67.
msiexec() {  # ACTION PACKAGE LOG
  setsid -w "${wine[@]}" msiexec "$1" "$(windows "$2")" /qn /l*v "$(windows "$log/$3")" \
    </dev/null >/dev/null 2>&1
}

# "VIEW KEY VERSION" for each uninstall entry named Varnelo, in both registry views.
voci() {
  local vista
  for vista in $viste; do
    setsid -w "${wine[@]}" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s \
      "/reg:$vista" </dev/null >"$log/reg-$vista" 2>/dev/null || true
    tr -d '\r' <"$log/reg-$vista" | awk -F'    ' -v vista="$vista" '
      /^HKEY_/ { chiave = $0 }
      $2 == "DisplayName" && $4 == "Varnelo" { trovata[chiave] = 1 }
      $2 == "DisplayVersion" { versione[chiave] = $4 }
      END { for (c in trovata) print vista, c, versione[c] }'
  done
}

una_voce() {  # VERSION
  local trovate
  trovate=$(voci)
  [ "$(grep -c . <<<"$trovate")" = 1 ] && [ "${trovate%% *}" = "$vista_voce" ] &&
    [ "${trovate##* }" = "$1" ] ||
    sbaglia "not exactly one uninstall entry Varnelo $1 in view $vista_voce: '${trovate}'"
}

# The Start-menu entries named Varnelo, relative to C:. Wine resolves
# ProgramMenuFolder to the user's Start menu even for a per-machine package,
# where Windows takes the common one: either will do.
voci_menu() {
  (cd "$WINEPREFIX/drive_c" && find ProgramData users -ipath '*/Start Menu/Programs/*varnelo*')
}

installato() {  # VERSION: the files, the Start-menu entry and one uninstall entry
  [ "$(ls "$cartella" 2>/dev/null | xargs)" = "LICENSE.txt THIRD-PARTY-NOTICES.txt Varnelo.exe" ] ||
    sbaglia "$cartella holds '$(ls "$cartella" 2>&1 | xargs)', not the exe, its license and notices"
  # The PE header's machine field, at the offset that bytes 60-63 hold.
  local pe
  pe=$(od -An -tu4 -j60 -N4 "$cartella/Varnelo.exe" 2>/dev/null | tr -d ' ') || true
  [ -n "$pe" ] && [ "$(od -An -tx1 -j$((pe + 4)) -N2 "$cartella/Varnelo.exe" | xargs)" = "$macchina" ] ||
    sbaglia "the installed exe is not of the package's processor"
  local menu
  menu=$(voci_menu)
  [ "${menu##*/}" = Varnelo.lnk ] && [ "$(grep -c . <<<"$menu")" = 1 ] ||
    sbaglia "not one Start-menu entry Varnelo.lnk: '$menu'"
  una_voce "$1"
}

icona_prodotto() {  # PACKAGE
  cmp -s "$icona" "$WINEPREFIX/drive_c/windows/Installer/$(proprieta "$1" ProductCode)/varnelo.ico" ||
    sbaglia "no product icon for Add/Remove Programs from $1"
}

inverti() { local s=$1 r="" i; for ((i = ${#s} - 1; i >= 0; --i)); do r+=${s:i:1}; done; echo "$r"; }

# A {GUID} as Windows Installer's registry keys write it.
impacchetta() {
  local g=${1//[\{\}-]/} coda="" i
  for ((i = 16; i < 32; i += 2)); do coda+=${g:i+1:1}${g:i:1}; done
  echo "$(inverti "${g:0:8}")$(inverti "${g:8:4}")$(inverti "${g:12:4}")$coda"
}

niente_resta() {  # PACKAGE just uninstalled
  [ ! -e "$cartella" ] || sbaglia "$cartella is left"
  local resti
  resti=$(cd "$WINEPREFIX/drive_c" && find . -type f | sort | comm -13 "$log/file-prima" -)
  [ -z "$resti" ] || sbaglia "files left: $resti"
  [ -z "$(voci)" ] || sbaglia "uninstall entries left: $(voci)"
  # Windows Installer files its records under the codes, packed.
  local codice aggiornamento tracce
  codice=$(proprieta "$1" ProductCode)
  aggiornamento=$(proprieta "$1" UpgradeCode)
  tracce="varnelo|${codice//[\{\}]/}|$(impacchetta "$codice")|$(impacchetta "$aggiornamento")"
  local radice vista
  for radice in HKLM HKCU; do
    for vista in $viste; do
      staccato "${wine[@]}" reg export "$radice" "$(windows "$log/$radice-$vista.reg")" /y "/reg:$vista" ||
        { sbaglia "$radice /reg:$vista cannot be exported"; continue; }
      iconv -f UTF-16 -t UTF-8 "$log/$radice-$vista.reg" | grep -i -E "$tracce" |
        sed "s|^|$radice /reg:$vista: |" >"$log/resti-$radice-$vista" || true
      [ ! -s "$log/resti-$radice-$vista" ] || sbaglia "registry left: $(cat "$log/resti-$radice-$vista")"
    done
  done
}

# ---- Not before Windows 7, and from Windows 7 on ------------------------------------

staccato "${wine[@]}" reg add 'HKCU\Software\Wine' /v Version /d vista /f || sbaglia "no Windows Vista"
esito=0
msiexec /i "$pkg" vista.log || esito=$?
[ "$esito" = 67 ] || sbaglia "on Windows Vista msiexec /i exited $esito, not 1603"
[ ! -e "$cartella" ] || sbaglia "on Windows Vista the package installed"
# Everything from here on as the oldest Windows the package takes.
staccato "${wine[@]}" reg add 'HKCU\Software\Wine' /v Version /d win7 /f || sbaglia "no Windows 7"

# ---- Install, start, reinstall, uninstall ------------------------------------------

msiexec /i "$pkg" installa.log || sbaglia "msiexec /i exited $?"
grep -q '^Property(S): VersionNT = 601$' "$log/installa.log" || sbaglia "not installed as Windows 7"
installato "$versione"
icona_prodotto "$pkg"
menu=$(voci_menu | head -n1)
setsid -w "${wine[@]}" "$avvio" "C:\\${menu//\//\\}" "$eseguibile" </dev/null >"$log/avvio" 2>&1 ||
  sbaglia "from the Start menu: $(cat "$log/avvio")"
msiexec /i "$pkg" reinstalla.log || sbaglia "msiexec /i again exited $?"
una_voce "$versione"
msiexec /x "$pkg" disinstalla.log || sbaglia "msiexec /x exited $?"
niente_resta "$pkg"

# ---- The upgrade rule: a later version replaces this one, never the reverse ---------

# Windows Installer tells packages apart by their code: other content, another code.
codice_pacchetto() { msiinfo suminfo "$1" | sed -n 's/^Revision number (UUID): //p'; }
[ "$(codice_pacchetto "$pkg")" != "$(codice_pacchetto "$successivo")" ] ||
  sbaglia "$pkg and $successivo have one package code"
msiexec /i "$pkg" prima.log || sbaglia "msiexec /i before the upgrade exited $?"
msiexec /i "$successivo" aggiorna.log || sbaglia "msiexec /i of the later version exited $?"
installato "$versione_successiva"
icona_prodotto "$successivo"
# Wine's log leaves out the refusal's message; the package's tables hold it.
esito=0
msiexec /i "$pkg" torna_indietro.log || esito=$?
[ "$esito" = 67 ] || sbaglia "the older version over the later one: msiexec exited $esito, not 1603"
grep -q '^Property(S): WIX_DOWNGRADE_DETECTED = {' "$log/torna_indietro.log" ||
  sbaglia "the older version did not see the later one"
installato "$versione_successiva"
msiexec /x "$successivo" disinstalla_successivo.log || sbaglia "msiexec /x of the later version exited $?"
niente_resta "$successivo"

# ---- One Varnelo per machine: either processor's package replaces the other ----------

sostituisce() {  # NEW OLD LOG: NEW installed where OLD is
  local vecchia
  destinazione "$2"
  vecchia=$cartella
  destinazione "$1"
  msiexec /i "$1" "$3" || sbaglia "msiexec /i $1 over $2 exited $?"
  installato "$versione"
  [ ! -e "$vecchia" ] || sbaglia "$vecchia is left beside $cartella"
}

if [ -n "$altro" ] && [ -f "$altro" ]; then
  [ "$(proprieta "$altro" ProductVersion)" = "$versione" ] ||
    sbaglia "$altro is not version $versione"
  msiexec /i "$pkg" questo.log || sbaglia "msiexec /i before the other processor's exited $?"
  sostituisce "$altro" "$pkg" altro_sopra.log
  sostituisce "$pkg" "$altro" questo_sopra.log
  msiexec /x "$pkg" disinstalla_questo.log || sbaglia "msiexec /x after the other processor's exited $?"
  niente_resta "$altro"
  niente_resta "$pkg"
elif [ -n "$altro" ]; then
  echo "SKIPPED: no $altro, the other processor's package, to replace and be replaced by"
  [ "$status" -ne 0 ] || status=77
fi

echo "MSI tests under Wine: $((SECONDS - inizio)) s"
exit $status
