#!/usr/bin/env python3
"""Runs every measurement of tabella_bench several times, alternating the program and its
baseline, and prints a table (median, min, max) and one summary line."""
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

BENCH = sys.argv[1]
RUNS = int(os.environ.get("TABELLA_BENCH_RUNS", "5"))


def run(*args, env=None):
    start = time.monotonic() * 1000.0
    out = subprocess.run([BENCH, *args], capture_output=True, text=True, timeout=300,
                         env=env or os.environ).stdout
    values = {m.group(1): float(m.group(2))
              for m in re.finditer(r"^(\w+) (-?[\d.]+)$", out, re.M)}
    return start, values


def table_row(name, values, unit):
    print(f"{name:<34} {statistics.median(values):>10.3f} {min(values):>10.3f} "
          f"{max(values):>10.3f}  {unit}")


results = {}
print(f"{'measurement':<34} {'median':>10} {'min':>10} {'max':>10}")
startup = {"programma": [], "base": []}
rss = {"programma": [], "base": []}
# One pair first, not counted: the first program on a fresh display also starts the session
# bus that X11 autolaunch gives it, and would carry that cost alone. A start-up lasts a tenth
# of a second and varies by a fifth from one to the next: the median of fifteen still moves by
# 0.07 from one run to the next. So it is taken ten times as often as the other measurements
# (fifty pairs, a quarter of a minute), the two taking turns at going first.
run("avvio", "programma")
run("avvio", "base")
for i in range(10 * RUNS):
    for who in (("programma", "base") if i % 2 == 0 else ("base", "programma")):
        start, v = run("avvio", who)
        startup[who].append(v["dipinto_ms"] - start)
        rss[who].append(v["rss_kb"] / 1024.0)
for who in ("programma", "base"):
    table_row(f"start-up to first paint ({who})", startup[who], "ms")
    table_row(f"resident set after paint ({who})", rss[who], "MB")

# The resize step and its baseline take turns inside each run.
values = {"programma": [], "base": []}
for _ in range(RUNS):
    v = run("ridimensiona")[1]
    values["programma"].append(v["ridimensiona_ms"])
    values["base"].append(v["ridimensiona_base_ms"])
for who in ("programma", "base"):
    table_row(f"resize step 1024x768<->3840x2160 ({who})", values[who], "ms")
results["ridimensiona"] = values

values = {"programma": [], "base": []}
for _ in range(RUNS):
    for who in ("programma", "base"):
        values[who].append(run("tasto", who)[1]["tasto_ms"])
for who in ("programma", "base"):
    table_row(f"key to repainted cell ({who})", values[who], "ms")
results["tasto"] = values

idle = [run("inattivo")[1]["inattivo_ms"] for _ in range(max(1, RUNS // 2))]
table_row("idle CPU in 10 s, exercise screen", idle, "ms")

if subprocess.run(["which", "valgrind"], capture_output=True).returncode == 0:
    with tempfile.TemporaryDirectory() as d:
        out = os.path.join(d, "cg.out")
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", BENCH,
                        "sessione"], capture_output=True, timeout=900)
        with open(out) as f:
            total = next(int(l.split()[1]) for l in f if l.startswith("summary:"))
        print(f"{'thirty exercises (callgrind)':<34} {total:>10} instructions")

frame = 1000.0 / 60
relayout = statistics.median(results["ridimensiona"]["programma"])
print(f"resize step: {relayout:.3f} ms, {100 * relayout / frame:.2f}% of a 60 Hz frame")
ratio = lambda d: statistics.median(d["programma"]) / statistics.median(d["base"])
print(f"bench: startup_ratio={ratio(startup):.2f} relayout_ratio={ratio(results['ridimensiona']):.2f} "
      f"key_ratio={ratio(results['tasto']):.2f} rss_ratio={ratio(rss):.2f} "
      f"idle_cpu_ms={statistics.median(idle):.1f}")
