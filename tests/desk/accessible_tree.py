# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the accessible tree of one window as the desktop's accessibility bus (AT-SPI) reports
it: one line per object, depth first, in the form tests/accessibility.cpp writes in-process.
With --texts, for each window name read from standard input, prints instead what a sighted
player reads in that window: its name, every label and the text of every text box (hidden ones
too: they take turns with a shown one in one place) and the name of the control that has the
focus; each once, one a line with its white space made single, then a line ".".

usage: /usr/bin/python3 accessible_tree.py <window name> | --texts   (Debian's python3-pyatspi)
"""
import sys
import time

import pyatspi


def find_window(name, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            for window in app or []:
                if window is not None and window.name == name:
                    return window
        time.sleep(0.2)
    return None


def lines(node, depth=0):
    line = "  " * depth + node.name
    if node.description:
        line += " | " + node.description
    yield line.replace("\n", "\\n").replace("\r", "\\r")
    for child in node:
        yield from lines(child, depth + 1)


def texts(node):
    if node.getRole() == pyatspi.ROLE_LABEL or node.getState().contains(pyatspi.STATE_FOCUSED):
        yield node.name
    elif node.getRole() == pyatspi.ROLE_TEXT:
        yield node.queryText().getText(0, -1)
    for child in node:
        yield from texts(child)


if sys.argv[1] == "--texts":
    for name in sys.stdin:
        window = find_window(name.rstrip("\n"), 5)
        shown = [window.name] if window else []
        for text in texts(window) if window else []:
            text = " ".join(text.split())
            if text and text not in shown:
                shown.append(text)
        print("\n".join(shown + ["."]), flush=True)
    sys.exit()

window = find_window(sys.argv[1])
if window is None:
    sys.exit("no window named %r on the accessibility bus" % sys.argv[1])
print("\n".join(lines(window)))
