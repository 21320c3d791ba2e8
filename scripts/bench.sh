#!/usr/bin/env bash
# Builds the benchmarks (Release) and prints the table of bench/README.md:
# start-up and peak memory against a minimal Qt window, work per choice,
# and the program's size. Needs Xvfb for the start-up runs.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-30}

scripts/deps.sh linux
cmake --preset release -B build/bench -DVARNELO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build/bench -j2 >/dev/null
bin=build/bench/bin

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -f "$display_file"' EXIT
until [ -s "$display_file" ]; do sleep 0.1; done
export DISPLAY=":$(head -n1 "$display_file")" QT_QPA_PLATFORM=xcb

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

# Start-up in ms (launch to first painted frame) and peak RSS in KiB, alternating runs.
measure() {
  local program=$1 start output
  start=$(date +%s%N)
  output=$("$bin/$program" 2>/dev/null)
  awk -v s="$start" '/first_paint_ns/ {printf "%.2f ", ($2 - s) / 1e6} /peak_rss_kib/ {print $2}' \
    <<<"$output"
}
: >/tmp/varnelo-bench-v; : >/tmp/varnelo-bench-b
for _ in $(seq "$runs"); do
  measure avvio_varnelo >>/tmp/varnelo-bench-v
  measure finestra_minima >>/tmp/varnelo-bench-b
done
v_ms=$(cut -d' ' -f1 /tmp/varnelo-bench-v | median); b_ms=$(cut -d' ' -f1 /tmp/varnelo-bench-b | median)
v_kib=$(cut -d' ' -f2 /tmp/varnelo-bench-v | median); b_kib=$(cut -d' ' -f2 /tmp/varnelo-bench-b | median)

strip -o /tmp/varnelo-stripped build/bench/bin/Varnelo
linux_size=$(stat -c %s /tmp/varnelo-stripped)
exe=build/windows/bin/Varnelo.exe
exe_size="(not built: scripts/test-windows.sh)"
if [ -f "$exe" ]; then
  x86_64-w64-mingw32-strip -o /tmp/varnelo-stripped.exe "$exe"
  exe_size="$(stat -c %s /tmp/varnelo-stripped.exe) bytes"
fi

echo
echo "| Measure ($runs runs, medians) | Varnelo | Baseline | Ratio or difference |"
echo "|---|---:|---:|---:|"
awk -v v="$v_ms" -v b="$b_ms" 'BEGIN {printf "| Start-up to first painted frame | %.1f ms | %.1f ms | %.3f |\n", v, b, v / b}'
awk -v v="$v_kib" -v b="$b_kib" 'BEGIN {printf "| Peak resident memory after the four examples | %d KiB | %d KiB | %+d KiB |\n", v, b, v - b}'
echo "| Stripped Linux program | $linux_size bytes | | |"
echo "| Stripped static Varnelo.exe | $exe_size | | |"
echo
"$bin/varnelo_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E '_median'
