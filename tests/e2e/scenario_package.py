#!/usr/bin/env python3
"""The Debian package of the package_build test (TW_PACKAGE): its files, then, as root
only and with no tintwright installed, installed with apt, started and removed again."""

import fnmatch
import glob
import os
import subprocess
import sys

from harness import run_scenario

EXPECTED = ["usr/bin/tintwright", "usr/lib/*/libtintwright_http.so", "usr/share/doc/*/copyright",
            "usr/share/applications/org.tintwright.Tintwright.desktop",
            "usr/share/metainfo/org.tintwright.Tintwright.metainfo.xml"]
ICONS = "/usr/share/icons/hicolor/*/apps/org.tintwright.Tintwright.*"  # the entry's Icon=
APT = ["apt-get", "-y", "-q", "-o", "DPkg::Lock::Timeout=600"]


def sh(*cmd):
    return subprocess.run(cmd, check=True, capture_output=True, text=True, timeout=900,
                          env=dict(os.environ, DEBIAN_FRONTEND="noninteractive")).stdout


def package(h):
    deb = os.environ["TW_PACKAGE"]
    files = [line.split()[-1].removeprefix("./") for line in sh("dpkg-deb", "-c", deb).splitlines()]
    for expected in EXPECTED:
        h.check(fnmatch.filter(files, expected), f"the package lacks {expected}")
    try:
        sh(*APT, "install", deb)
        h.check(len(glob.glob(ICONS)) > 5, "icons of several sizes, scalable among them")
        run = h.start_app()
        h.close_window(h.wait_main_window(run))
        h.check_equal(run.wait_exit(), 0, "exit code")
    finally:
        sh(*APT, "purge", "tintwright")
    h.check(not os.path.exists(h.app), f"{h.app} is left after removal")


if os.geteuid() != 0 or os.path.exists("/usr/bin/tintwright"):
    print("SKIPPED: needs root, and no tintwright installed already")
    sys.exit(77)
run_scenario(package)
