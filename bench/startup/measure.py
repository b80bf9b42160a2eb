#!/usr/bin/env python3
"""Start-up time of Tintwright against a floor.

"Start-up" is the time from the moment this script starts the process to two
moments: the main window is first exposed (the window system has mapped it and
asks for its contents), and its first frame has been painted and flushed. Both
programs report them themselves (src/startup/StartupProbe.h): the script passes
its CLOCK_MONOTONIC time at launch in TW_STARTUP_LAUNCH_NS, the program reads
the same clock at those moments, prints the differences and ends at once.
Both readings come from one clock with nanosecond resolution, and the
differences cover fork and exec, loading of shared libraries, static
initialisation and start-up code (and the first paint); no polling is
involved.

Every run starts on a quiet display. An X server goes on working for tens of
milliseconds after a client has gone (Xvfb here spends 50-90 ms of processor
time after each run); a run started at once would wait for it, and that wait
would be counted to the next program whichever it is. So after each run the
script waits until the X server's processor time has stopped growing.

Both run inside a desktop-like session: a private X server and, when
dbus-daemon is installed, a private session bus. Without a bus, Qt's
accessibility bridge spends several milliseconds trying to find one the first
time a widget with text appears, a cost no desktop user pays.

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
from xsession import Xvfb, app_environment, make_home, missing_tools  # noqa: E402

PROBE_PREFIX = "tw-startup-probe "


class RunFailed(Exception):
    pass


def start_session_bus():
    """A private session bus: (address, process), or (None, None) when
    dbus-daemon is not installed."""
    if not shutil.which("dbus-daemon"):
        return None, None
    proc = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL)
    address = proc.stdout.readline().decode().strip()
    if not address:
        proc.kill()
        proc.wait()
        return None, None
    return address, proc


def run_once(program, display, bus, home, out_path, timeout):
    """Starts program once; returns (milliseconds until shown, max RSS in KiB)."""
    env = app_environment(display, home)
    if bus:
        env["DBUS_SESSION_BUS_ADDRESS"] = bus
    env["TW_STARTUP_PROBE"] = "1"
    with open(out_path, "wb") as out:
        env["TW_STARTUP_LAUNCH_NS"] = str(time.monotonic_ns())
        # Started without a pre-exec hook, so that Python can use vfork: the
        # launcher's own cost stays out of the figures.
        proc = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL, stdout=out,
                                stderr=subprocess.DEVNULL)
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
    return float(fields["exposed_ms"]), float(fields["shown_ms"]), usage.ru_maxrss


def server_cpu_ticks(pid):
    """The X server's user + system time so far, in clock ticks."""
    with open(f"/proc/{pid}/stat", encoding="ascii") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def wait_until_quiet(server_pid, settle=0.1, limit=5.0):
    """Returns once the X server has used no processor time for `settle` s."""
    deadline = time.monotonic() + limit
    before = server_cpu_ticks(server_pid)
    while time.monotonic() < deadline:
        time.sleep(settle)
        now = server_cpu_ticks(server_pid)
        if now == before:
            return
        before = now


def summarise(name, times, rss):
    times = sorted(times)
    p90 = statistics.quantiles(times, n=10, method="inclusive")[-1] if len(times) > 1 else times[0]
    return name, statistics.median(times), times[0], times[-1], p90, statistics.median(rss) / 1024


def print_table(title, samples, column):
    """One table of medians and spread for the moment in `column` of each
    sample (0: exposed, 1: first frame painted)."""
    rows = [summarise(name, [s[column] for s in runs], [s[2] for s in runs])
            for name, runs in samples.items()]
    print(title)
    print(f"{'program':<12}{'median ms':>11}{'min':>9}{'p90':>9}{'max':>9}{'max RSS MiB':>13}")
    for name, median, low, high, p90, rss in rows:
        print(f"{name:<12}{median:>11.1f}{low:>9.1f}{p90:>9.1f}{high:>9.1f}{rss:>13.1f}")
    app, floor = rows
    print(f"tintwright / floor: time {app[1] / floor[1]:.2f}x, "
          f"peak memory {app[5] / floor[5]:.2f}x")


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
    bus, bus_proc = start_session_bus()
    try:
        display = xvfb.start()
        order = list(programs)
        for round_number in range(args.warmup + args.runs):
            for name in order:
                wait_until_quiet(xvfb.proc.pid)
                result = run_once(programs[name], display, bus, home,
                                  os.path.join(work, "out.txt"), args.timeout)
                if round_number >= args.warmup:
                    samples[name].append(result)
            order.reverse()
    except (RunFailed, RuntimeError) as e:
        sys.exit(f"measure.py: {e}")
    finally:
        xvfb.stop()
        if bus_proc:
            bus_proc.kill()
            bus_proc.wait()
        shutil.rmtree(work, ignore_errors=True)

    print(f"Start-up: {args.runs} runs each after {args.warmup} warm-up runs, "
          f"Xvfb {xvfb.geometry}, "
          f"{'private session bus' if bus else 'no session bus'}, {os.cpu_count()} CPUs")
    print_table("\nUntil the main window is first exposed:", samples, 0)
    print_table("\nUntil its first frame is painted:", samples, 1)


if __name__ == "__main__":
    main()
