#!/usr/bin/env bash
# Start-up time and peak memory of loopbeam against the bare Qt program,
# each the median of RUNS starts on the same Xvfb server. Run under tools/on_xvfb.sh.
set -euo pipefail
bench=$1 program=$2 runs=${3:-15}
read -r bare_ms bare_kib < <("$bench/startup_probe" "$runs" "$bench/bare_window" | tail -n 1)
read -r our_ms our_kib < <("$bench/startup_probe" "$runs" "$program" | tail -n 1)
echo "bare Qt window: ${bare_ms} ms to mapped, ${bare_kib} KiB peak"
echo "loopbeam:       ${our_ms} ms to mapped, ${our_kib} KiB peak"
awk -v a="$our_ms" -v b="$bare_ms" -v c="$our_kib" -v d="$bare_kib" \
  'BEGIN { printf "ratios: start-up %.2f, memory %.2f (target 1.15 or less)\n", a / b, c / d }'
