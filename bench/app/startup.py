#!/usr/bin/env python3
"""Times whole start-ups of the program to its first frame (offscreen) and their peak memory.

usage: bench/app/startup.py BUILD_DIR [RUNS]"""
import os, resource, statistics, subprocess, sys, time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
exe = os.path.join(build, "bin", "kelvaro")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen", KELVARO_QUIT_WHEN_SHOWN="1")
times, peaks = [], []
for _ in range(runs):
    start = time.perf_counter()
    pid = subprocess.Popen([exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).pid
    _, status, usage = os.wait4(pid, 0)
    times.append((time.perf_counter() - start) * 1000)
    peaks.append(usage.ru_maxrss / 1024)
    if status != 0:
        sys.exit(f"kelvaro exited with status {status}")
print(f"start-up to first frame: median {statistics.median(times):.0f} ms, max {max(times):.0f} ms over {runs} runs")
print(f"peak resident memory: max {max(peaks):.1f} MB")
