#!/usr/bin/env python3
"""Runs test binaries the way a developer might by hand: a home folder with a
settings file in it, and no XDG_CONFIG_HOME. The settings file must come out
exactly as it went in, and nothing may appear beside it.

Usage: check_settings_isolation.py <test binary>..."""

import os
import subprocess
import sys
import tempfile

SENTINEL = b"[Prefs]\nLastColor=4242\n"


def snapshot(folder):
    found = {}
    for root, _, files in os.walk(folder):
        for name in files:
            path = os.path.join(root, name)
            with open(path, "rb") as f:
                found[os.path.relpath(path, folder)] = f.read()
    return found


def main(binaries):
    failures = []
    with tempfile.TemporaryDirectory() as home:
        config = os.path.join(home, ".config")
        store = os.path.join(config, "Tintwright")
        os.makedirs(store)
        with open(os.path.join(store, "Tintwright.ini"), "wb") as f:
            f.write(SENTINEL)
        before = snapshot(config)
        env = {k: v for k, v in os.environ.items() if k != "XDG_CONFIG_HOME"}
        env.update(HOME=home, QT_QPA_PLATFORM="offscreen")
        for binary in binaries:
            run = subprocess.run([binary], env=env, cwd=home, capture_output=True, text=True)
            if run.returncode != 0:
                failures.append(f"{binary} failed:\n{run.stdout}{run.stderr}")
            after = snapshot(config)
            if after != before:
                failures.append(f"{binary} changed the home settings: {sorted(after)}, "
                                f"settings file now {after.get('Tintwright/Tintwright.ini')!r}")
                before = after
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
