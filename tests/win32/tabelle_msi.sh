#!/usr/bin/env bash
# Reads the MSI with msiinfo: the product it declares, the summary's platform
# and language, its files (the exe, the license and the notices of what the
# exe links statically) and Start-menu shortcut, and no table that would write
# anything else on the machine. The upgrade code is the one every package of
# either processor has had and must keep: a package with another would not
# replace an installed Varnelo.
# Usage: tabelle_msi.sh PACKAGE x64|x86 VERSION
set -euo pipefail
pkg=$1
piattaforma=$2
versione=${3//./\\.}

case $piattaforma in
  x64) modello=x64 programmi=ProgramFiles64Folder componente=256 ;;  # 64-bit component
  x86) modello=Intel programmi=ProgramFilesFolder componente=0 ;;
  *) echo "unknown processor '$piattaforma'" >&2; exit 2 ;;
esac

tabella() { msiinfo export "$pkg" "$1" | tr -d '\r'; }
# A table's rows, without the three lines that name and type its columns.
righe() { tabella "$1" | tail -n +4; }

status=0
guid='\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\}'
# Each line: a table, then a row it must hold, as a whole-row Perl regex.
while IFS='|' read -r nome riga; do
  if ! tabella "$nome" | grep -Px -- "$riga" >/dev/null; then
    echo "$nome has no row '$riga'; it holds:"
    tabella "$nome"
    status=1
  fi
done <<EOF
Property|ProductName\tVarnelo
Property|ProductVersion\t$versione
Property|Manufacturer\tVarnelo
Property|ProductLanguage\t1040
Property|ProductCode\t$guid
Property|UpgradeCode\t\{87B133AB-A42B-4794-B3A4-0B3499F1B747\}
Property|ALLUSERS\t1
Property|ARPPRODUCTICON\tvarnelo\.ico
_ForceCodepage|1252\t_ForceCodepage
Directory|$programmi\tTARGETDIR\t\.
Directory|INSTALLDIR\t$programmi\tVarnelo
Component|Programma\t$guid\tINSTALLDIR\t$componente\t\tVarnelo\.exe
File|Varnelo\.exe\tProgramma\tVarnelo\.exe\t[1-9][0-9]*\t.*
File|LICENSE\.txt\tProgramma\tLICENSE\.txt\t[1-9][0-9]*\t.*
File|THIRD_PARTY_NOTICES\.txt\tProgramma\tTHIRD-PARTY-NOTICES\.txt\t[1-9][0-9]*\t.*
Shortcut|VoceMenuStart\tProgramMenuFolder\tVarnelo\tProgramma\t\[#Varnelo\.exe\]\t.*
LaunchCondition|NOT WIX_DOWNGRADE_DETECTED\tSul computer è già installata una versione più recente di Varnelo\.
EOF

# The product icon, for Add/Remove Programs. (Exporting the Icon table would
# write its pictures into the working directory.)
msiinfo streams "$pkg" | grep -x 'Icon\.varnelo\.ico' >/dev/null || { echo "no product icon"; status=1; }

summary=$(msiinfo suminfo "$pkg")
for riga in "Template: $modello;1040" "Version: 300 .*" "Author: Varnelo"; do
  grep -Eqx -- "$riga" <<<"$summary" || { echo "summary lacks '$riga':"; echo "$summary"; status=1; }
done

# Those files and one shortcut; no registry, folder, service or custom action.
mapfile -t tabelle < <(msiinfo tables "$pkg")
for conteggio in File=3 Shortcut=1 Component=1 Registry=0 CreateFolder=0 RemoveFile=0 \
                 DuplicateFile=0 IniFile=0 Environment=0 ServiceInstall=0 CustomAction=0; do
  nome=${conteggio%=*}
  atteso=${conteggio#*=}
  trovato=0
  if printf '%s\n' "${tabelle[@]}" | grep -x "$nome" >/dev/null; then
    trovato=$(righe "$nome" | grep -c . || true)
  fi
  [ "$trovato" = "$atteso" ] || { echo "$nome has $trovato rows, not $atteso"; status=1; }
done
exit $status
