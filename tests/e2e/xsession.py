"""X session pieces shared by the end-to-end harness and the start-up
benchmark: a private Xvfb display, a private home folder and environment for
the program, child processes that die with their parent, and the close
request a window manager sends."""

import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import subprocess
import time

# Every wait in the harness is multiplied by this; slow machines can raise it.
TIMEOUT_SCALE = float(os.environ.get("TW_E2E_TIMEOUT_SCALE", "1"))

REQUIRED_TOOLS = ("Xvfb", "xdotool", "xprop", "import", "xclip")

# Environment variables of the developer's session that would change how a Qt
# program starts or where it keeps its state.
_SESSION_VARIABLES = (
    "QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR",
    "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
    "QT_FONT_DPI", "SESSION_MANAGER", "DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY",
    "XDG_SESSION_TYPE",
    "XAUTHORITY", "TW_STARTUP_PROBE", "TW_STARTUP_LAUNCH_NS",
)

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _die_with_parent():
    """Runs in each child before exec: no Xvfb or app outlives the harness,
    even when the harness itself is killed (CTest's timeout does that)."""
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def scaled(seconds):
    return seconds * TIMEOUT_SCALE


def missing_tools():
    return [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]


def make_home(root):
    """Creates an empty private home (configuration, cache, data, runtime
    folders) under root and returns its path."""
    shutil.rmtree(root, ignore_errors=True)
    for sub in ("config", "cache", "data", "state", "runtime"):
        os.makedirs(os.path.join(root, sub), exist_ok=True)
    os.chmod(os.path.join(root, "runtime"), 0o700)
    return root


def app_environment(display, home):
    """The environment for one run of the program: the given display and a
    private home, never the developer's own settings."""
    env = {k: v for k, v in os.environ.items() if k not in _SESSION_VARIABLES}
    env.update(
        DISPLAY=display,
        QT_QPA_PLATFORM="xcb",
        HOME=home,
        XDG_CONFIG_HOME=os.path.join(home, "config"),
        XDG_CACHE_HOME=os.path.join(home, "cache"),
        XDG_DATA_HOME=os.path.join(home, "data"),
        XDG_STATE_HOME=os.path.join(home, "state"),
        XDG_RUNTIME_DIR=os.path.join(home, "runtime"),
        # No session bus: an address that refuses at once. Without one, libdbus
        # forks an autolauncher from Qt's accessibility bridge, and a fork of a
        # threaded program built with sanitizers can hang before its exec.
        DBUS_SESSION_BUS_ADDRESS="unix:path=" + os.path.join(home, "runtime", "no-bus"),
    )
    # Only read by programs built with sanitizers.
    suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                "lsan-suppressions.txt")
    env["LSAN_OPTIONS"] = ":".join(
        filter(None, [os.environ.get("LSAN_OPTIONS"), f"suppressions={suppressions}",
                      "print_suppressions=0"]))
    return env


def spawn(argv, env, stdout, stderr=subprocess.STDOUT):
    return subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=stdout,
                            stderr=stderr, preexec_fn=_die_with_parent)


def stop_process(proc, grace=5.0):
    """Terminates proc if it still runs; kills it after grace seconds."""
    if proc is None or proc.poll() is not None:
        return
    proc.terminate()
    try:
        proc.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


class Xvfb:
    """A private X server. The display number is chosen by the server itself
    (-displayfd), so parallel tests never race for a free one."""

    def __init__(self, log_path, width=1600, height=1200, dpi=96):
        self.log_path = log_path
        self.geometry = f"{width}x{height}x24"
        self.dpi = dpi
        self.proc = None
        self.display = None

    def start(self, timeout=None):
        read_end, write_end = os.pipe()
        with open(self.log_path, "wb") as log:
            self.proc = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.geometry,
                 "-dpi", str(self.dpi), "-nolisten", "tcp", "-noreset"],
                stdin=subprocess.DEVNULL, stdout=log, stderr=log, pass_fds=(write_end,),
                preexec_fn=_die_with_parent)
        os.close(write_end)
        try:
            number = self._read_display_number(read_end, timeout or scaled(30))
        finally:
            os.close(read_end)
        self.display = f":{number}"
        return self.display

    def _read_display_number(self, fd, timeout):
        deadline = time.monotonic() + timeout
        text = b""
        while not text.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            if remaining <= 0 or self.proc.poll() is not None:
                raise RuntimeError(f"Xvfb did not start (see {self.log_path})")
            ready, _, _ = select.select([fd], [], [], remaining)
            if ready:
                chunk = os.read(fd, 64)
                if not chunk:
                    raise RuntimeError(f"Xvfb exited at start-up (see {self.log_path})")
                text += chunk
        return int(text.strip())

    def stop(self):
        stop_process(self.proc)


class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("xclient", _XClientMessageEvent), ("pad", ctypes.c_long * 24)]


_X_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


def send_delete_window(display, window):
    """Sends WM_DELETE_WINDOW to a top-level window: exactly what a window
    manager sends when the user clicks the close box. Xvfb runs without a
    window manager, and destroying the window (xdotool windowclose) would skip
    the program's own close handling."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_XEvent)]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    errors = []
    # Xlib's default handler would end the harness on a stale window id.
    handler = _X_ERROR_HANDLER(lambda _dpy, _err: errors.append(1) or 0)
    x11.XSetErrorHandler(handler)
    dpy = x11.XOpenDisplay(display.encode())
    if not dpy:
        raise RuntimeError(f"cannot open X display {display}")
    try:
        event = _XEvent()
        msg = event.xclient
        msg.type = 33  # ClientMessage
        msg.window = window
        msg.message_type = x11.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        msg.format = 32
        msg.data[0] = x11.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        msg.data[1] = 0  # CurrentTime
        x11.XSendEvent(dpy, window, 0, 0, ctypes.byref(event))
        x11.XSync(dpy, 0)
    finally:
        x11.XCloseDisplay(dpy)
    if errors:
        raise RuntimeError(f"window {window} no longer exists")
