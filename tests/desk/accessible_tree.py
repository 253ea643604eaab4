# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the accessible tree of one window as the desktop's accessibility bus (AT-SPI) reports
it: one line per object, depth first, in the form tests/accessibility.cpp writes in-process.

usage: /usr/bin/python3 accessible_tree.py <window name>   (Debian's python3-pyatspi)
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


window = find_window(sys.argv[1])
if window is None:
    sys.exit("no window named %r on the accessibility bus" % sys.argv[1])
print("\n".join(lines(window)))
