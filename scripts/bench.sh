#!/usr/bin/env bash
# Builds in Release (build-bench/) and runs the benchmarks, side by side with a bare Qt window,
# under Xvfb with a window manager when they can be had, otherwise offscreen. Prints a table
# and, last, the line "bench: startup_ratio=... relayout_ratio=... key_ratio=... rss_ratio=...
# idle_cpu_ms=...". TABELLA_BENCH_RUNS sets the runs per measurement (5; start-up takes ten
# times as many).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${BUILD_PACKAGES[@]}" xvfb openbox valgrind python3
BUILD="$TOP/build-bench"
build_program Release

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT
if command -v Xvfb >/dev/null; then
    display_file="$(mktemp)"
    exec 6>"$display_file"
    Xvfb -displayfd 6 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n 1 "$display_file")"
    if command -v openbox >/dev/null; then
        openbox >/dev/null 2>&1 &
        pids+=($!)
        sleep 1
    fi
    unset QT_QPA_PLATFORM
    echo "display: Xvfb 1920x1080$(command -v openbox >/dev/null && echo ' with openbox')"
else
    export QT_QPA_PLATFORM=offscreen
    echo "display: offscreen (no X server here)"
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd "$(mktemp -d)"
python3 "$TOP/bench/bench.py" "$BUILD/bench/tabella_bench"
