#!/usr/bin/env python3
"""Fails when a folder of src/ includes a folder it must not depend on.

The folders form layers; a folder may include its own headers and those of
folders on lower layers, never those of its own layer or a higher one:

    core <- app <- widgets <- palette, help, workspace
         <- tools, previews, picker <- mainwindow <- startup

Besides, only mainwindow/ and startup/ may include frm_MDIMain.h: every
other window reaches the main window through its own folder's host interface.
"""
import pathlib
import re
import sys

LAYERS = [
    ["core"],
    ["app"],
    ["widgets"],
    ["palette", "help", "workspace"],
    ["tools", "previews", "picker"],
    ["mainwindow"],
    ["startup"],
]
LEVEL = {folder: level for level, folders in enumerate(LAYERS) for folder in folders}
MAIN_WINDOW_USERS = {"mainwindow", "startup"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(path, src):
    """The top folder under src/ ("app" for src/app/http/x.cpp)."""
    return path.relative_to(src).parts[0]


def main():
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    errors = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or len(path.relative_to(src).parts) < 2:
            continue
        own = folder_of(path, src)
        if own not in LEVEL:
            errors.append(f"{path.relative_to(src.parent)}: folder {own}/ has no layer")
            continue
        for target in INCLUDE.findall(path.read_text(errors="replace")):
            parts = target.split("/")
            if len(parts) < 2 or parts[0] not in LEVEL or parts[0] == own:
                continue
            where = f"{path.relative_to(src.parent)}: includes {target}"
            if LEVEL[parts[0]] >= LEVEL[own]:
                errors.append(f"{where} ({own}/ must not depend on {parts[0]}/)")
            if parts[-1] == "frm_MDIMain.h" and own not in MAIN_WINDOW_USERS:
                errors.append(f"{where} (use the host interface of {own}/)")
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
