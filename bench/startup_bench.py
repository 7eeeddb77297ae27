#!/usr/bin/env python3
"""Start-up benchmark: launches the real program under a private Xvfb server N times with and
without the web engine, each time in a fresh copy of the bundled data, and prints the median time
from launch to the main window being mapped and to its first painted frame.

The X server is watched directly through Xlib (ctypes): MapNotify on the root window marks the
map, and the window's pixels are read until most of them differ from the black root, which marks
the first paint. Polling through helper programs would cost more than what is measured. After the
first paint the root is watched a little longer: a main window unmapped or destroyed then means Qt
recreated it (the reader sees it vanish and come back), which the report counts.

With --scales 1,2 each kind is also launched at every listed desktop scale (QT_SCALE_FACTOR, the
screen made large enough for the biggest window), alternating, and the report gives each scale.

Usage: startup_bench.py BINARY SOURCE_DIR [--runs N] [--scales 1,2]
"""

import argparse
import ctypes
import ctypes.util
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

DESTROY_NOTIFY = 17
UNMAP_NOTIFY = 18
MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
Z_PIXMAP = 2
ALL_PLANES = (1 << 64) - 1
RUN_TIMEOUT_S = 60.0
POLL_S = 0.002
STABLE_S = 3.0  # how long the painted main window must stay to count as not recreated
GRID = 16  # GRID x GRID sample points decide whether the window has been painted


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("rest", ctypes.c_long * 32)]


def load_xlib():
    xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XPending.argtypes = [ctypes.c_void_p]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    xlib.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xlib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
    xlib.XGetImage.restype = ctypes.c_void_p
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                               ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XGetPixel.restype = ctypes.c_ulong
    xlib.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
    xlib.XDestroyImage.argtypes = [ctypes.c_void_p]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return xlib


def start_xvfb(scale):
    """Starts a black-rooted Xvfb on a free display, 1280 x 1024 times `scale`; returns (process, display name)."""
    read_end, write_end = os.pipe()
    size = "%dx%dx24" % (1280 * scale, 1024 * scale)
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", size, "-br",
                               "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        server.kill()
        sys.exit("Xvfb did not start")
    return server, ":" + number


def window_name(xlib, display, window):
    name = ctypes.c_char_p()
    if not xlib.XFetchName(display, window, ctypes.byref(name)) or not name.value:
        return ""
    text = name.value.decode("utf-8", "replace")
    xlib.XFree(name)
    return text


def is_painted(xlib, display, window):
    attributes = XWindowAttributes()
    if not xlib.XGetWindowAttributes(display, window, ctypes.byref(attributes)):
        return False
    width, height = attributes.width, attributes.height
    # Only the sampled rows are fetched: a whole window at 2x is four times the pixels, and reading
    # it all at every poll would slow the program being measured.
    lit = 0
    for j in range(GRID):
        image = xlib.XGetImage(display, window, 0, (2 * j + 1) * height // (2 * GRID), width, 1, ALL_PLANES, Z_PIXMAP)
        if not image:
            return False
        try:
            lit += sum(1 for i in range(GRID) if xlib.XGetPixel(image, (2 * i + 1) * width // (2 * GRID), 0) & 0xFFFFFF)
        finally:
            xlib.XDestroyImage(image)
    return lit * 2 > GRID * GRID


def wait_for_main_window(xlib, display, root, started, process):
    """Returns the main window and the seconds from launch to its map."""
    event = XEvent()
    while time.monotonic() - started < RUN_TIMEOUT_S and process.poll() is None:
        while xlib.XPending(display):
            xlib.XNextEvent(display, ctypes.byref(event))
            if event.type != MAP_NOTIFY:
                continue
            mapped = ctypes.cast(ctypes.byref(event), ctypes.POINTER(XMapEvent)).contents
            if window_name(xlib, display, mapped.window) == "Veyrin":
                return mapped.window, time.monotonic() - started
        time.sleep(POLL_S)
    return None, None


def wait_for_first_paint(xlib, display, window, started, process):
    while time.monotonic() - started < RUN_TIMEOUT_S and process.poll() is None:
        if is_painted(xlib, display, window):
            return time.monotonic() - started
        time.sleep(POLL_S)
    return None


def window_vanishes(xlib, display, window, process):
    """True when `window` is unmapped or destroyed within STABLE_S of its first paint."""
    event = XEvent()
    until = time.monotonic() + STABLE_S
    while time.monotonic() < until and process.poll() is None:
        while xlib.XPending(display):
            xlib.XNextEvent(display, ctypes.byref(event))
            if event.type in (UNMAP_NOTIFY, DESTROY_NOTIFY):
                gone = ctypes.cast(ctypes.byref(event), ctypes.POINTER(XMapEvent)).contents
                if gone.window == window:
                    return True
        time.sleep(POLL_S * 5)
    return False


def run_once(xlib, display_name, binary, source_dir, with_engine, scale):
    display = xlib.XOpenDisplay(display_name.encode())
    root = xlib.XDefaultRootWindow(display)
    xlib.XSelectInput(display, root, SUBSTRUCTURE_NOTIFY_MASK)
    xlib.XSync(display, 0)
    work = tempfile.mkdtemp(prefix="veyrin-startup-")
    shutil.copytree(os.path.join(source_dir, "data"), work, dirs_exist_ok=True)
    environment = dict(os.environ, DISPLAY=display_name, QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=str(scale))
    environment.pop("VEYRIN_NO_WEB_ENGINE", None)
    if not with_engine:
        environment["VEYRIN_NO_WEB_ENGINE"] = "1"
    # Nowhere to go: the banner's page load must not depend on the network.
    environment["VEYRIN_BANNER_URL"] = "http://127.0.0.1:9/"
    started = time.monotonic()
    process = subprocess.Popen([binary], cwd=work, env=environment, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        window, mapped = wait_for_main_window(xlib, display, root, started, process)
        painted = wait_for_first_paint(xlib, display, window, started, process) if window else None
        recreated = painted is not None and window_vanishes(xlib, display, window, process)
    finally:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        xlib.XCloseDisplay(display)
        shutil.rmtree(work, ignore_errors=True)
    if mapped is None or painted is None:
        sys.exit("the main window did not %s within %d s" % ("map" if mapped is None else "paint", RUN_TIMEOUT_S))
    return mapped, painted, recreated


def at_scale(scale):
    return "" if scale == 1 else " at %dx" % scale


def kind_name(scale, with_engine):
    return ("with web engine" if with_engine else "without web engine") + at_scale(scale)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary")
    parser.add_argument("source_dir")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--scales", default="1", help="desktop scales to launch at, e.g. 1,2")
    arguments = parser.parse_args()
    if arguments.runs < 1:
        sys.exit("--runs must be at least 1")
    try:
        scales = [int(scale) for scale in arguments.scales.split(",")]
    except ValueError:
        sys.exit("--scales takes whole numbers separated by commas, e.g. 1,2")
    if min(scales) < 1:
        sys.exit("--scales takes whole numbers of at least 1")
    binary = os.path.abspath(arguments.binary)
    xlib = load_xlib()
    server, display_name = start_xvfb(max(scales))
    kinds = [(scale, with_engine) for scale in scales for with_engine in (False, True)]
    try:
        results = {kind: [] for kind in kinds}
        # Alternate the kinds so a busy moment of the machine weighs on all alike.
        for _ in range(arguments.runs):
            for scale, with_engine in kinds:
                results[(scale, with_engine)].append(
                    run_once(xlib, display_name, binary, arguments.source_dir, with_engine, scale))
    finally:
        server.terminate()
        server.wait()
    print("start-up, median of %d runs (ms)   mapped   first paint" % arguments.runs)
    medians = {}
    for scale, with_engine in kinds:
        mapped = statistics.median(r[0] for r in results[(scale, with_engine)]) * 1000
        painted = statistics.median(r[1] for r in results[(scale, with_engine)]) * 1000
        medians[(scale, with_engine)] = painted
        print("  %-32s %7.0f   %11.0f" % (kind_name(scale, with_engine), mapped, painted))
    for scale in scales:
        print("  first paint with / without engine%s: %.2f"
              % (at_scale(scale), medians[(scale, True)] / medians[(scale, False)]))
        if scale != scales[0]:
            for with_engine in (False, True):
                print("  first paint %s / at %dx: %.2f" % (kind_name(scale, with_engine), scales[0],
                      medians[(scale, with_engine)] / medians[(scales[0], with_engine)]))
    for scale, with_engine in kinds:
        recreated = sum(1 for r in results[(scale, with_engine)] if r[2])
        print("  main window recreated after its first paint (%s): %d of %d runs"
              % (kind_name(scale, with_engine), recreated, arguments.runs))


if __name__ == "__main__":
    main()
