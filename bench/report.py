#!/usr/bin/env python3
"""Runs the benchmarks of a release build and prints their figures beside the targets.

Usage: bench/report.py BUILD_DIRECTORY   (scripts/bench.sh builds and calls it)
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1]
bench = os.path.join(build, "bench")
environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def run_benchmark(program, pattern):
    """The benchmarks of `program` matching `pattern`, each in a process of its own so
    that its peak memory is its own: name -> the benchmark's JSON entry."""
    listed = subprocess.run([os.path.join(bench, program), "--benchmark_list_tests",
                             f"--benchmark_filter={pattern}"], env=environment, check=True,
                            capture_output=True, text=True).stdout.split()
    results = {}
    for name in listed:
        output = subprocess.run([os.path.join(bench, program), f"--benchmark_filter=^{name}$",
                                 "--benchmark_format=json"], env=environment, check=True,
                                capture_output=True, text=True).stdout
        for entry in json.loads(output)["benchmarks"]:
            results[entry["name"]] = entry
    return results


def probe(program, *arguments, runs=30):
    """Median wall time in ms of starting `program`, and the memory it held."""
    times, peaks = [], []
    for _ in range(runs + 3):
        start = time.perf_counter()
        output = subprocess.run([os.path.join(bench, program), *arguments], env=environment, check=True,
                                capture_output=True, text=True).stdout
        times.append((time.perf_counter() - start) * 1000)
        peaks.append(int(output.split("peak_kB=")[1]) / 1024)
    return statistics.median(times[3:]), statistics.median(peaks[3:])


rows = []


def row(measure, figure, target, met):
    rows.append((measure, figure, target, "yes" if met else "NO"))


road = run_benchmark("stapelwerk_road_bench", "Road/")
for entry in road.values():
    count = int(entry["name"].split("/")[1])
    digits = 0 if entry["real_time"] >= 100 else 1
    stages = " + ".join(f"{entry[s + '_ms']:.{digits}f}" for s in ("paste", "confirm", "build", "write"))
    total = entry["real_time"]
    label = f"{count:,} entries: paste + confirm + save-as + write"
    if count == 100000:
        row(label, f"{stages} = {total:.0f} ms", "≤ 150 ms", total <= 150)
    elif count == 1000000:
        row(label, f"{stages} = {total:.0f} ms", "≤ 5,000 ms", total <= 5000)
        ratio = entry["peak_MB"] / entry["doit_MB"]
        row("1,000,000 entries: peak memory / doit.pro",
            f'{entry["peak_MB"]:.0f} MB / {entry["doit_MB"]:.0f} MB = {ratio:.2f}', "≤ 1.25", ratio <= 1.25)
        ratio = entry["write_ms"] / entry["cp_sync_ms"]
        row("Writing doit.pro / cp + sync of it",
            f'{entry["write_ms"]:.0f} ms / {entry["cp_sync_ms"]:.0f} ms = {ratio:.2f}', "≤ 2", ratio <= 2)
    else:
        row(label, f"{stages} = {total:.1f} ms", "", True)

for entry in run_benchmark("stapelwerk_road_bench", "RoadWithJournal").values():
    ratio = entry["peak_MB"] / entry["doit_MB"]
    row("1,000,000 entries with the journal: peak memory / doit.pro",
        f'{entry["peak_MB"]:.0f} MB / {entry["doit_MB"]:.0f} MB = {ratio:.2f}', "≤ 1.25", ratio <= 1.25)

others = run_benchmark("stapelwerk_road_bench", "BrowseDirectory|ExtensionSwitch")
for entry in others.values():
    if entry["name"].startswith("BrowseDirectory"):
        row("Browsing into a directory of 100,000 files", f'{entry["real_time"]:.0f} ms', "≤ 300 ms",
            entry["real_time"] <= 300)
    else:
        row("Extension switch on 100,000 entries", f'{entry["real_time"]:.1f} ms', "", True)

minimal_time, minimal_memory = probe("stapelwerk_minimal_window_probe")
text_time, _ = probe("stapelwerk_minimal_window_probe", "--text")
program_time, program_memory = probe("stapelwerk_startup_probe")
row("Start-up / a minimal Qt window", f"{program_time:.1f} ms / {minimal_time:.1f} ms = "
    f"{program_time / minimal_time:.2f}", "≤ 2", program_time / minimal_time <= 2)
row("Start-up / a minimal Qt window with a line of text", f"{program_time:.1f} ms / "
    f"{text_time:.1f} ms = {program_time / text_time:.2f}", "≤ 1.5", program_time / text_time <= 1.5)
row("Memory after start / a minimal Qt window", f"{program_memory:.1f} MB / {minimal_memory:.1f} MB"
    f" = {program_memory / minimal_memory:.2f}", "≤ 1.5", program_memory / minimal_memory <= 1.5)


def report_run(function, count=1_000_000, passed=700_000, runs=3):
    """`stapelwerk-batch report` on a job of `count` entries of `function` whose journal
    stopped after `passed`, made by stapelwerk_report_job: the median wall time in ms, the
    highest peak memory in MB (of the process itself, os.wait4) and the job record's size
    in MB."""
    with tempfile.TemporaryDirectory() as work:
        subprocess.run([os.path.join(bench, "stapelwerk_report_job"), work, function, str(count),
                        str(passed)], check=True)
        times, peaks = [], []
        for _ in range(runs):
            start = time.perf_counter()
            process = subprocess.Popen([os.path.join(build, "src", "stapelwerk-batch"), "-o", work,
                                        "report"], stdout=subprocess.DEVNULL)
            _, status, usage = os.wait4(process.pid, 0)
            times.append((time.perf_counter() - start) * 1000)
            process.returncode = os.waitstatus_to_exitcode(status)
            assert process.returncode == 1, "the run stopped: report must exit with 1"
            peaks.append(usage.ru_maxrss / 1024)
        return statistics.median(times), max(peaks), os.path.getsize(os.path.join(work, "doit.stapel")) / 2**20


for function in ("run-mapkeys", "delete-parameter"):
    milliseconds, peak, record = report_run(function)
    row(f"report, 1,000,000 entries of {function} and their journal", f"{milliseconds:.0f} ms",
        "≤ 1,000 ms", milliseconds <= 1000)
    row(f"report, {function}: peak memory / job record", f"{peak:.0f} MB / {record:.0f} MB = "
        f"{peak / record:.2f}", "≤ 2", peak / record <= 2)

core = run_benchmark("stapelwerk_bench", ".")
for entry in core.values():
    milliseconds = entry["real_time"] / 1e6
    if entry["name"].startswith("LocateModels"):
        milliseconds = entry["real_time"]
        row("Locating 100,000 entries in 21 directories of 200,000 files", f"{milliseconds:.0f} ms",
            "≤ 300 ms", milliseconds <= 300)
        row("Locating: index and result / names read", f'{entry["index_ratio"]:.2f}', "≤ 2",
            entry["index_ratio"] <= 2)
    elif entry["name"].startswith("CheckBeforeWrite"):
        row("Check before writing, 100,000 entries", f"{milliseconds:.1f} ms", "≤ 100 ms",
            milliseconds <= 100)
    else:
        row(f'Core: {entry["name"]}', f"{milliseconds:.2f} ms", "", True)

widths = [max(len(r[i]) for r in rows + [("Measure", "Figure", "Target", "Met")]) for i in range(4)]
print("| " + " | ".join(h.ljust(w) for h, w in zip(("Measure", "Figure", "Target", "Met"), widths)) + " |")
print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
for r in rows:
    print("| " + " | ".join(c.ljust(w) for c, w in zip(r, widths)) + " |")
print(f"Load average over 1, 5 and 15 minutes at the end: {os.getloadavg()}")
sys.exit(0 if all(r[3] == "yes" for r in rows) else 1)
