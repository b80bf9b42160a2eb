#!/usr/bin/env python3
"""Start-up time of Tintwright against a floor.

"Start-up" is the time from the moment this script starts the process to the
moment the main window has been exposed and has painted its first frame. Both
programs report that moment themselves (src/app/StartupProbe.h): the script
passes its CLOCK_MONOTONIC time at launch in TW_STARTUP_LAUNCH_NS, the program
reads the same clock when its window is shown, prints the difference and ends
at once. Both readings come from one clock with nanosecond resolution, and the
difference covers fork and exec, loading of shared libraries, static
initialisation, start-up code and the first paint; no polling is involved.

Peak memory is the maximum resident set size of each run (wait4's rusage), that
is the peak up to the moment the window was shown.

The floor is a bare Qt main window with an MDI area (startup_floor.cpp). Runs
of the two programs alternate so that any drift of the machine affects both
alike; warm-up runs are discarded. Everything runs on a private Xvfb display
with an empty private home folder.

    measure.py --app build/src/tintwright --floor build/bench/startup/startup_floor
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tests", "e2e"))
from xsession import Xvfb, app_environment, make_home, missing_tools, spawn  # noqa: E402

PROBE_PREFIX = "tw-startup-probe "


class RunFailed(Exception):
    pass


def run_once(program, display, home, out_path, timeout):
    """Starts program once; returns (milliseconds until shown, max RSS in KiB)."""
    env = app_environment(display, home)
    env["TW_STARTUP_PROBE"] = "1"
    with open(out_path, "wb") as out:
        env["TW_STARTUP_LAUNCH_NS"] = str(time.monotonic_ns())
        proc = spawn([program], env, stdout=out, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + timeout
    while True:
        pid, status, usage = os.wait4(proc.pid, os.WNOHANG)
        if pid:
            break
        if time.monotonic() > deadline:
            proc.kill()
            os.wait4(proc.pid, 0)
            raise RunFailed(f"{program}: no window shown within {timeout} s "
                            "(does it call installStartupProbe?)")
        time.sleep(0.02)
    proc.returncode = os.waitstatus_to_exitcode(status)  # already reaped above
    with open(out_path, encoding="utf-8", errors="replace") as f:
        report = [line for line in f if line.startswith(PROBE_PREFIX)]
    if not report:
        raise RunFailed(f"{program}: exited with {proc.returncode} without a start-up report "
                        "(does it call installStartupProbe?)")
    fields = dict(item.split("=", 1) for item in report[0][len(PROBE_PREFIX):].split())
    if fields.get("from") != "launch":
        raise RunFailed(f"{program}: the probe ignored TW_STARTUP_LAUNCH_NS")
    return float(fields["shown_ms"]), usage.ru_maxrss


def summarise(name, samples):
    times = sorted(t for t, _ in samples)
    p90 = statistics.quantiles(times, n=10, method="inclusive")[-1] if len(times) > 1 else times[0]
    rss_mib = statistics.median(r for _, r in samples) / 1024
    return name, statistics.median(times), times[0], times[-1], p90, rss_mib


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--app", required=True, help="the tintwright binary")
    parser.add_argument("--floor", required=True, help="the startup_floor binary")
    parser.add_argument("--runs", type=int, default=20, help="measured runs of each (20)")
    parser.add_argument("--warmup", type=int, default=2, help="discarded runs of each (2)")
    parser.add_argument("--timeout", type=float, default=60, help="seconds per run (60)")
    args = parser.parse_args()

    missing = [t for t in missing_tools() if t == "Xvfb"]
    if missing:
        sys.exit("measure.py needs Xvfb (scripts/install-deps.sh installs it)")
    programs = {"tintwright": os.path.abspath(args.app), "floor": os.path.abspath(args.floor)}
    for path in programs.values():
        if not os.access(path, os.X_OK):
            sys.exit(f"not an executable: {path}")

    work = tempfile.mkdtemp(prefix="tw-startup-")
    home = make_home(os.path.join(work, "home"))
    xvfb = Xvfb(os.path.join(work, "xvfb.log"))
    samples = {name: [] for name in programs}
    try:
        display = xvfb.start()
        order = list(programs)
        for round_number in range(args.warmup + args.runs):
            for name in order:
                result = run_once(programs[name], display, home,
                                  os.path.join(work, "out.txt"), args.timeout)
                if round_number >= args.warmup:
                    samples[name].append(result)
            order.reverse()
    except (RunFailed, RuntimeError) as e:
        sys.exit(f"measure.py: {e}")
    finally:
        xvfb.stop()
        shutil.rmtree(work, ignore_errors=True)

    rows = [summarise(name, s) for name, s in samples.items()]
    print(f"Start-up until the main window is shown: {args.runs} runs each "
          f"after {args.warmup} warm-up runs, Xvfb {xvfb.geometry}, {os.cpu_count()} CPUs")
    print(f"{'program':<12}{'median ms':>11}{'min':>9}{'p90':>9}{'max':>9}{'max RSS MiB':>13}")
    for name, median, low, high, p90, rss in rows:
        print(f"{name:<12}{median:>11.1f}{low:>9.1f}{p90:>9.1f}{high:>9.1f}{rss:>13.1f}")
    app, floor = rows
    print(f"tintwright / floor: time {app[1] / floor[1]:.2f}x, "
          f"peak memory {app[5] / floor[5]:.2f}x")


if __name__ == "__main__":
    main()
