"""The program's settings file as QSettings writes it (INI format)."""

import os
import re

def _decode_ini_name(text):
    """Undoes the escaping QSettings applies to INI section and key names
    (%XX, %UXXXX, and a backslash for a '/' group separator)."""
    def replace(match):
        return chr(int(match.group(1) or match.group(2), 16))
    return re.sub(r"%U([0-9A-Fa-f]{4})|%([0-9A-Fa-f]{2})", replace, text).replace("\\", "/")


def _encode_ini_name(text):
    out = []
    for ch in text:
        if ch.isascii() and (ch.isalnum() or ch in "-._~"):
            out.append(ch)
        elif ch == "/":
            out.append("\\")
        elif ord(ch) < 0x100:
            out.append(f"%{ord(ch):02X}")
        else:
            out.append(f"%U{ord(ch):04X}")
    return "".join(out)


def _decode_ini_value(text):
    text = text.strip()
    if len(text) >= 2 and text[0] == '"' and text[-1] == '"':
        text = re.sub(r'\\(.)', r'\1', text[1:-1])
    return text


def _encode_ini_value(text):
    if text != text.strip() or any(ch in text for ch in ',;"=\\'):
        return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'
    return text


class SettingsFile:
    """The program's settings file ($XDG_CONFIG_HOME/Tintwright/Tintwright.ini)
    as QSettings writes it. Sections and keys are looked up without regard to
    letter case, as the program itself matches them."""

    def __init__(self, path):
        self.path = path
        self.entries = {}  # (section, key) in lower case -> (section, key, value) as written
        if os.path.exists(path):
            self._parse()

    @property
    def exists(self):
        return os.path.exists(self.path)

    def _parse(self):
        section = "General"
        with open(self.path, encoding="utf-8") as f:
            for line in f:
                line = line.strip()
                if not line or line.startswith(";"):
                    continue
                if line.startswith("[") and line.endswith("]"):
                    section = _decode_ini_name(line[1:-1])
                elif "=" in line:
                    key, value = line.split("=", 1)
                    self.set(section, _decode_ini_name(key.strip()), _decode_ini_value(value))

    def get(self, section, key, default=None):
        entry = self.entries.get((section.lower(), key.lower()))
        return entry[2] if entry else default

    def set(self, section, key, value):
        # A section already present keeps the spelling it was written with.
        for written_section, _, _ in self.entries.values():
            if written_section.lower() == section.lower():
                section = written_section
                break
        self.entries[(section.lower(), key.lower())] = (section, key, str(value))

    def save(self):
        os.makedirs(os.path.dirname(self.path), exist_ok=True)
        sections = {}
        for section, key, value in self.entries.values():
            sections.setdefault(section, []).append((key, value))
        with open(self.path, "w", encoding="utf-8") as f:
            for section, items in sections.items():
                f.write(f"[{_encode_ini_name(section)}]\n")
                for key, value in items:
                    f.write(f"{_encode_ini_name(key)}={_encode_ini_value(value)}\n")
                f.write("\n")

    def dump(self):
        if not self.exists:
            return f"(no settings file at {self.path})"
        with open(self.path, encoding="utf-8") as f:
            return f.read()
