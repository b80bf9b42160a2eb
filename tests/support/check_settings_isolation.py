#!/usr/bin/env python3
"""Runs test binaries as a developer might by hand: a home folder with a
settings file in it and no XDG_CONFIG_HOME. Nothing under the home's
configuration folder may change. Usage: check_settings_isolation.py <binary>..."""

import os
import subprocess
import sys
import tempfile


def snapshot(folder):
    return {os.path.join(root, name): open(os.path.join(root, name), "rb").read()
            for root, _, names in os.walk(folder) for name in names}


with tempfile.TemporaryDirectory() as home:
    config = os.path.join(home, ".config")
    os.makedirs(os.path.join(config, "Tintwright"))
    with open(os.path.join(config, "Tintwright", "Tintwright.ini"), "w") as f:
        f.write("[Prefs]\nLastColor=4242\n")
    before = snapshot(config)
    env = {k: v for k, v in os.environ.items() if k != "XDG_CONFIG_HOME"}
    env.update(HOME=home, QT_QPA_PLATFORM="offscreen")
    failed = False
    for binary in sys.argv[1:]:
        run = subprocess.run([binary], env=env, cwd=home, capture_output=True, text=True)
        if run.returncode != 0 or snapshot(config) != before:
            print(f"{binary}: exit code {run.returncode}, home settings now {snapshot(config)}\n"
                  f"{run.stdout}{run.stderr}")
            failed = True
sys.exit(1 if failed else 0)
