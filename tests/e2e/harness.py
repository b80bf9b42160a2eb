"""Harness for Tintwright's end-to-end scenarios.

Each scenario runs the real tintwright binary on a private Xvfb display, drives
it with real X input (xdotool), closes it the way a user does and checks what
it left in its settings file. Only the Python standard library, Xvfb, xdotool
and ImageMagick's `import` are needed; libX11 is used through ctypes to send
the close request a window manager would send.

A scenario is a script that defines one function taking a Harness and ends with
`run_scenario(<function>)`; see README.md.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
import traceback
from collections import namedtuple

from settings_file import SettingsFile
from xsession import (Xvfb, app_environment, make_home, missing_tools, scaled, send_delete_window,
                      spawn, stop_process)

SKIP_EXIT_CODE = 77

Rect = namedtuple("Rect", "x y width height")


class ScenarioFailure(Exception):
    pass


class AppRun:
    """One run of the program."""

    def __init__(self, harness, proc, number, log_path):
        self.harness = harness
        self.proc = proc
        self.number = number
        self.log_path = log_path

    @property
    def pid(self):
        return self.proc.pid

    def running(self):
        return self.proc.poll() is None

    def wait_exit(self, timeout=30):
        """Waits for the process to end and returns its exit code. A process
        that does not end in time is killed and the scenario fails."""
        try:
            return self.proc.wait(timeout=scaled(timeout))
        except subprocess.TimeoutExpired:
            self.harness.screenshot(f"run{self.number}-hung")
            stop_process(self.proc)
            raise ScenarioFailure(f"run {self.number} did not exit within {scaled(timeout):.0f} s")

    def log(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            return f.read()


class Harness:
    def __init__(self, app, artifacts, scenario):
        self.app = app
        self.artifacts = artifacts
        self.scenario = scenario
        self.home = os.path.join(artifacts, "home")
        self.xvfb = None
        self.runs = []
        self.failures = []
        self._shots = 0

    # --- set-up and tear-down --------------------------------------------

    def setup(self):
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts)
        make_home(self.home)
        self.xvfb = Xvfb(os.path.join(self.artifacts, "xvfb.log"))
        self.xvfb.start()
        self.info(f"display {self.xvfb.display}, artefacts in {self.artifacts}")

    def teardown(self):
        for run in self.runs:
            if run.running():
                self.failures.append(f"run {run.number} was still running at the end")
                stop_process(run.proc)
        if self.xvfb:
            self.xvfb.stop()

    # --- reporting -------------------------------------------------------

    def info(self, message):
        print(f"[{self.scenario}] {message}", flush=True)

    def check(self, condition, message):
        """Records a failure and carries on."""
        if not condition:
            self.failures.append(message)
            self.info(f"FAIL: {message}")
        return bool(condition)

    def check_equal(self, actual, expected, what):
        return self.check(actual == expected, f"{what}: expected {expected!r}, got {actual!r}")

    def require(self, condition, message):
        """Ends the scenario when condition is false."""
        if not condition:
            raise ScenarioFailure(message)

    # --- the program -----------------------------------------------------

    @property
    def display(self):
        return self.xvfb.display

    @property
    def settings_path(self):
        return os.path.join(self.home, "config", "Tintwright", "Tintwright.ini")

    def settings(self):
        return SettingsFile(self.settings_path)

    def seed_settings(self, values):
        """Writes {(section, key): value} into the settings file before a run,
        keeping what is already there."""
        settings = self.settings()
        for (section, key), value in values.items():
            settings.set(section, key, value)
        settings.save()

    def start_app(self, extra_env=None):
        number = len(self.runs) + 1
        log_path = os.path.join(self.artifacts, f"app-run{number}.log")
        env = app_environment(self.display, self.home)
        env.update(extra_env or {})
        with open(log_path, "wb") as log:
            proc = spawn([self.app], env, stdout=log)
        run = AppRun(self, proc, number, log_path)
        self.runs.append(run)
        self.info(f"run {number}: started pid {proc.pid}")
        return run

    # --- windows ---------------------------------------------------------

    def xdotool(self, *args, check=True):
        env = dict(os.environ, DISPLAY=self.display)
        result = subprocess.run(["xdotool", *map(str, args)], env=env, capture_output=True,
                                text=True, timeout=scaled(30))
        if check and result.returncode != 0:
            raise ScenarioFailure(f"xdotool {' '.join(map(str, args))} failed: "
                                  f"{result.stderr.strip()}")
        return result.stdout

    def visible_windows(self, name_regex=""):
        """Ids of the mapped windows whose caption matches name_regex
        (case-insensitive, xdotool's rule); all of them by default."""
        out = self.xdotool("search", "--onlyvisible", "--name", name_regex, check=False)
        return [int(line) for line in out.split()]

    def window_name(self, window):
        return self.xdotool("getwindowname", window, check=False).rstrip("\n")

    def window_type(self, window):
        """The window's primary _NET_WM_WINDOW_TYPE without its prefix, such as
        "NORMAL", "DIALOG" or "SPLASH"; "" when it has none."""
        env = dict(os.environ, DISPLAY=self.display)
        out = subprocess.run(["xprop", "-id", str(window), "-notype", "_NET_WM_WINDOW_TYPE"],
                             env=env, capture_output=True, text=True, timeout=scaled(30)).stdout
        match = re.search(r"_NET_WM_WINDOW_TYPE_(\w+)", out)
        return match.group(1) if match else ""

    def splash_shown(self):
        return any(self.window_type(w) == "SPLASH" for w in self.visible_windows())

    def wait_window(self, title="Tintwright", run=None, timeout=60):
        """Waits until a mapped top-level window whose caption is exactly title
        (case-sensitive) exists and returns its id. Splash windows, which may
        carry the same caption, never count; with several, the largest."""
        deadline = time.monotonic() + scaled(timeout)
        while time.monotonic() < deadline:
            matches = [w for w in self.visible_windows(re.escape(title))
                       if self.window_name(w) == title and self.window_type(w) != "SPLASH"]
            if matches:
                return max(matches, key=lambda w: self._area(w))
            if run is not None and not run.running():
                raise ScenarioFailure(f"run {run.number} exited with {run.proc.returncode} "
                                      f"before showing a window {title!r}")
            time.sleep(0.1)
        shown = [self.window_name(w) for w in self.visible_windows()]
        self.screenshot("no-window")
        raise ScenarioFailure(f"no window {title!r} after {scaled(timeout):.0f} s; "
                              f"visible windows: {shown}")

    def wait_main_window(self, run, timeout=60, splash_grace=5):
        """Waits for the main window and then for the end of start-up, which
        is when the splash window has come and gone; returns the main window's
        id. The splash is mapped a moment after the main window, so a missing
        splash only counts as gone after splash_grace seconds."""
        window = self.wait_window("Tintwright", run=run, timeout=timeout)
        grace_end = time.monotonic() + scaled(splash_grace)
        while not self.splash_shown():
            if time.monotonic() > grace_end:
                return window
            time.sleep(0.05)
        deadline = time.monotonic() + scaled(timeout)
        while self.splash_shown():
            if time.monotonic() > deadline:
                raise ScenarioFailure(f"splash window still shown after {scaled(timeout):.0f} s")
            time.sleep(0.1)
        if not run.running():
            raise ScenarioFailure(f"run {run.number} exited with {run.proc.returncode} "
                                  "during start-up")
        return window

    def wait_window_gone(self, window, timeout=30):
        deadline = time.monotonic() + scaled(timeout)
        while window in self.visible_windows():
            if time.monotonic() > deadline:
                raise ScenarioFailure(f"window {window} still shown after {timeout} s")
            time.sleep(0.1)

    def _area(self, window):
        rect = self.window_geometry(window)
        return rect.width * rect.height

    def window_geometry(self, window):
        """Position and size in pixels. Without a window manager there is no
        frame, so this is both the client and the outer rectangle."""
        values = dict(line.split("=", 1) for line in
                      self.xdotool("getwindowgeometry", "--shell", window).split())
        return Rect(int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                    int(values["HEIGHT"]))

    def set_window_geometry(self, window, rect, timeout=10):
        """Moves and resizes a window (as a window manager would on the user's
        behalf) and waits until the X server reports the new rectangle."""
        self.xdotool("windowsize", window, rect.width, rect.height)
        self.xdotool("windowmove", window, rect.x, rect.y)
        deadline = time.monotonic() + scaled(timeout)
        while self.window_geometry(window) != rect:
            if time.monotonic() > deadline:
                raise ScenarioFailure(f"window {window} did not take {rect}: "
                                      f"{self.window_geometry(window)}")
            time.sleep(0.1)
        time.sleep(0.3)  # lets the program handle the configure events

    def close_window(self, window):
        """Closes a window like its close box does."""
        try:
            send_delete_window(self.display, window)
        except RuntimeError as e:
            raise ScenarioFailure(str(e)) from e

    # --- input -----------------------------------------------------------

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", window)

    def key(self, *keys, window=None):
        """Presses keys (xdotool names: "alt+f", "Return", "ctrl+z") one after
        the other into the focused window, or into window after focusing it."""
        if window is not None:
            self.focus(window)
        self.xdotool("key", "--clearmodifiers", "--delay", 100, *keys)

    def type_text(self, text, window=None):
        if window is not None:
            self.focus(window)
        self.xdotool("type", "--clearmodifiers", "--delay", 50, text)

    def click(self, x, y, window=None, button=1, repeat=1):
        """Clicks at (x, y): screen pixels, or pixels inside window."""
        where = ["--window", window] if window is not None else []
        self.xdotool("mousemove", "--sync", *where, x, y)
        self.xdotool("click", "--repeat", repeat, "--delay", 80, button)

    # --- evidence --------------------------------------------------------

    def screenshot(self, label):
        """Saves the whole screen as artifacts/<scenario>/NN-label.png and
        returns its path (None when the screen could not be read)."""
        self._shots += 1
        path = os.path.join(self.artifacts, f"{self._shots:02d}-{label}.png")
        if not self.xvfb or self.xvfb.proc.poll() is not None:
            return None
        result = subprocess.run(["import", "-display", self.display, "-window", "root", path],
                                capture_output=True, text=True, timeout=scaled(60))
        if result.returncode != 0:
            self.info(f"screenshot {label} failed: {result.stderr.strip()}")
            return None
        self.info(f"screenshot: {path}")
        return path


def run_scenario(body):
    """Entry point of a scenario script: parses --app and --artifacts, runs
    body(harness) and exits 0 (pass), 1 (fail) or 77 (skipped)."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True, help="path of the tintwright binary")
    parser.add_argument("--artifacts", required=True, help="folder for screenshots and logs")
    args = parser.parse_args()
    scenario = os.path.splitext(os.path.basename(sys.argv[0]))[0].removeprefix("scenario_")

    missing = missing_tools()
    if missing:
        print(f"SKIPPED: missing {', '.join(missing)} (scripts/install-deps.sh installs them)")
        sys.exit(SKIP_EXIT_CODE)

    # Turns CTest's or the user's SIGTERM/SIGINT into a clean tear-down.
    for sig in (signal.SIGTERM, signal.SIGINT):
        signal.signal(sig, lambda signum, _frame: sys.exit(128 + signum))

    harness = Harness(os.path.abspath(args.app), os.path.abspath(args.artifacts), scenario)
    try:
        harness.setup()
        body(harness)
    except (ScenarioFailure, RuntimeError) as e:
        harness.failures.append(str(e))
        harness.info(f"FAIL: {e}")
    except Exception:
        harness.failures.append("harness error")
        traceback.print_exc()
    finally:
        if harness.failures:
            harness.screenshot("at-failure")
        harness.teardown()

    if harness.failures:
        for run in harness.runs:
            print(f"--- output of run {run.number} ({run.log_path}) ---\n{run.log()}")
        print(f"--- settings file ---\n{harness.settings().dump()}")
        print(f"[{scenario}] FAILED: {len(harness.failures)} problem(s)")
        sys.exit(1)
    print(f"[{scenario}] passed")
    sys.exit(0)
