#!/usr/bin/env bash
# Builds the benchmarks (Release, build/bench) and prints the tables of
# bench/README.md: start-up and memory against the least window of each
# toolkit (Qt 6 on Linux; Win32 under Wine for Varnelo.exe), work per choice,
# and the programs' sizes. RUNS=N sets the start-up runs of each program (31).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-31}

scripts/deps.sh program tests windows
source scripts/require.sh
source scripts/wine-env.sh
require Xvfb xvfb tests
cmake --preset release -B build/bench -DVARNELO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/bench -j2 >/dev/null
bin=build/bench/bin

# The Windows programs come from the test command's trees, with the same
# toolchain and flags; each is stripped, as the packages ship Varnelo.exe.
x86_32=0
senza_x86_32=$(scripts/runs-x86-32.sh) || x86_32=$?
[ "$x86_32" -le 1 ] || exit 2
presets=(windows-x64)
[ "$x86_32" = 1 ] || presets+=(windows-x86)

work=$(mktemp -d)
source scripts/display.sh
export WINEPREFIX=$PWD/build/bench/wine WINEARCH=win64
ferma() {
  WINEPREFIX=$WINEPREFIX wineserver -k >/dev/null 2>&1 || true
  ferma_display
  rm -rf "$work"
}
trap ferma EXIT
display_privato
export QT_QPA_PLATFORM=xcb

for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build "build/$preset" --target Varnelo finestra_minima_win32 >/dev/null
  mkdir "$work/$preset"
  strip=$(sed -n 's/^CMAKE_STRIP:FILEPATH=//p' "build/$preset/CMakeCache.txt")
  "$strip" -o "$work/$preset/Varnelo.exe" "build/$preset/bin/Varnelo.exe"
  "$strip" -o "$work/$preset/finestra_minima.exe" "build/$preset/bin/finestra_minima_win32.exe"
done

# One Wine prefix for every Windows run, its server kept warm between them.
ambiente_wine win64
[ -f "$WINEPREFIX/system.reg" ] || crea_prefisso setsid -w "$loader" </dev/null >/dev/null 2>&1
# A server left by the prefix's creation, or by another run, is ended first.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
setsid wineserver -p </dev/null >/dev/null 2>&1

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

# A Linux run: ms from just before exec to the first paint, resident KiB then,
# and peak resident KiB after the examples. EPOCHREALTIME costs no fork, so the
# driver adds next to nothing to the time.
misura_linux() {
  local output
  output=$(echo "start_us ${EPOCHREALTIME/[.,]/}"; exec "$bin/$1" 2>/dev/null)
  awk '/start_us/ {s = $2 * 1000} /first_paint_ns/ {t = ($2 - s) / 1e6}
       /^rss_kib/ {r = $2} /peak_rss_kib/ {printf "%.2f %d %d\n", t, r, $2}' <<<"$output"
}
# A Windows run: ms from just before exec to the map of the window, resident KiB then.
misura_windows() { "$bin/prima_finestra" "$loader" "$1"; }

# Alternating runs, so that a change of load hits both programs alike; the
# first pair warms the caches and is not counted.
alterna() {
  local misura=$1 nome=$2 varnelo=$3 base=$4
  "$misura" "$varnelo" >/dev/null
  "$misura" "$base" >/dev/null
  for _ in $(seq "$runs"); do
    "$misura" "$varnelo" >>"$work/$nome.varnelo"
    "$misura" "$base" >>"$work/$nome.base"
  done
}

# colonna NAME PROGRAM FIELD: the median of a column of a set of runs.
colonna() { cut -d' ' -f"$3" "$work/$1.$2" | median; }
riga_tempo() {
  awk -v n="$1" -v v="$(colonna "$2" varnelo 1)" -v b="$(colonna "$2" base 1)" \
    'BEGIN {printf "| %s | %.1f ms | %.1f ms | %.3f |\n", n, v, b, v / b}'
}
riga_memoria() {
  awk -v n="$1" -v v="$(colonna "$2" varnelo "$3")" -v b="$(colonna "$2" base "$3")" \
    'BEGIN {printf "| %s | %d KiB | %d KiB | %+d KiB |\n", n, v, b, v - b}'
}

load_before=$(cut -d' ' -f1 /proc/loadavg)
alterna misura_linux linux avvio_varnelo finestra_minima
for preset in "${presets[@]}"; do
  alterna misura_windows "$preset" "$work/$preset/Varnelo.exe" "$work/$preset/finestra_minima.exe"
done

strip -o "$work/Varnelo" "$bin/Varnelo"

echo
echo "Load average before the start-up runs: $load_before ($(nproc) CPUs)"
echo
echo "| Measure ($runs alternating runs, medians) | Varnelo | Baseline | Ratio or difference |"
echo "|---|---:|---:|---:|"
riga_tempo "Linux: start-up to the first painted frame" linux
riga_memoria "Linux: resident memory at the first frame" linux 2
riga_memoria "Linux: peak resident memory after the four examples" linux 3
for preset in "${presets[@]}"; do
  riga_tempo "$preset under Wine: start-up to the mapped window" "$preset"
  riga_memoria "$preset under Wine: resident memory at the mapped window" "$preset" 2
done
[ "$x86_32" = 0 ] || echo "| windows-x86: not run: ${senza_x86_32%%:*} | | | |"
echo "| Stripped Linux program | $(stat -c %s "$work/Varnelo") bytes | | |"
for preset in "${presets[@]}"; do
  echo "| Stripped $preset Varnelo.exe | $(stat -c %s "$work/$preset/Varnelo.exe") bytes |" \
    "$(stat -c %s "$work/$preset/finestra_minima.exe") bytes | |"
done
echo
"$bin/varnelo_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E '_median'
