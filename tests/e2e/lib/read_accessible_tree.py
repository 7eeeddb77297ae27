#!/usr/bin/env python3
"""Reads the running program through the desktop accessibility bus, as a screen reader does.

Prints one line per accessible object, "role<TAB>name<TAB>states", and then the text view's first
line as "FIRSTLINE<TAB>text". Retries until the program shows up on the bus."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def find_application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name().lower() == name.lower():
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def read_first_line(node):
    """The line at offset 0 as a reader asks for it (newer call first, then the older one)."""
    try:
        return Atspi.Text.get_string_at_offset(node, 0, Atspi.TextGranularity.LINE).content
    except GLib.GError as error:
        print(f"line by granularity refused: {error}", file=sys.stderr)
    return Atspi.Text.get_text_at_offset(node, 0, Atspi.TextBoundaryType.LINE_START).content


def main():
    app = None
    for _ in range(60):
        app = find_application(sys.argv[1] if len(sys.argv) > 1 else "veyrin")
        if app is not None and app.get_child_count() > 0:
            break
        time.sleep(0.5)
    if app is None:
        print("NOAPP")
        return 1
    first_line = None
    for node in walk(app):
        states = node.get_state_set()
        flags = [s.value_nick for s in states.get_states()]
        print(f"{node.get_role_name()}\t{node.get_name()}\t{','.join(flags)}")
        if first_line is None and node.get_role() == Atspi.Role.TEXT and "multi-line" in flags and "showing" in flags:
            first_line = read_first_line(node)
    print(f"FIRSTLINE\t{(first_line or '').rstrip(chr(10))}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
