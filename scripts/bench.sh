#!/usr/bin/env bash
# Builds the benchmarks (Release, build/bench) and prints the table of
# bench/README.md: start-up and peak memory against a minimal Qt window, work
# per choice, and the program's size. RUNS=N sets the start-up runs (30).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-30}

scripts/deps.sh program tests
source scripts/require.sh
require Xvfb xvfb tests
cmake --preset release -B build/bench -DVARNELO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/bench -j2 >/dev/null
bin=build/bench/bin

work=$(mktemp -d)
source scripts/display.sh
trap 'ferma_display; rm -rf "$work"' EXIT
display_privato
export QT_QPA_PLATFORM=xcb

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

# One run: ms from just before exec to the first paint, then peak RSS in KiB.
# EPOCHREALTIME costs no fork, so the driver adds next to nothing to the time.
measure() {
  local output
  output=$(echo "start_us ${EPOCHREALTIME/[.,]/}"; exec "$bin/$1" 2>/dev/null)
  awk '/start_us/ {s = $2 * 1000} /first_paint_ns/ {printf "%.2f ", ($2 - s) / 1e6}
       /peak_rss_kib/ {print $2}' <<<"$output"
}
load_before=$(cut -d' ' -f1 /proc/loadavg)
for _ in $(seq "$runs"); do  # alternating, so a change of load hits both alike
  measure avvio_varnelo >>"$work/varnelo"
  measure finestra_minima >>"$work/baseline"
done
v_ms=$(cut -d' ' -f1 "$work/varnelo" | median); b_ms=$(cut -d' ' -f1 "$work/baseline" | median)
v_kib=$(cut -d' ' -f2 "$work/varnelo" | median); b_kib=$(cut -d' ' -f2 "$work/baseline" | median)

strip -o "$work/Varnelo" "$bin/Varnelo"
linux_size="$(stat -c %s "$work/Varnelo") bytes"
exe=build/windows-x64/bin/Varnelo.exe
exe_size="(not built: scripts/test-windows.sh)"
if [ -f "$exe" ]; then
  x86_64-w64-mingw32-strip -o "$work/Varnelo.exe" "$exe"
  exe_size="$(stat -c %s "$work/Varnelo.exe") bytes"
fi

echo
echo "Load average before the start-up runs: $load_before ($(nproc) CPUs)"
echo
echo "| Measure ($runs runs, medians) | Varnelo | Baseline | Ratio or difference |"
echo "|---|---:|---:|---:|"
awk -v v="$v_ms" -v b="$b_ms" 'BEGIN {printf "| Start-up to first painted frame | %.1f ms | %.1f ms | %.3f |\n", v, b, v / b}'
awk -v v="$v_kib" -v b="$b_kib" 'BEGIN {printf "| Peak resident memory after the four examples | %d KiB | %d KiB | %+d KiB |\n", v, b, v - b}'
echo "| Stripped Linux program | $linux_size | | |"
echo "| Stripped static Varnelo.exe | $exe_size | | |"
echo
"$bin/varnelo_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E '_median'
