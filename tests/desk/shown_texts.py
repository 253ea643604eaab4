# SPDX-License-Identifier: GPL-3.0-or-later
"""For each window title read from standard input, prints what a sighted player reads in that
window as the accessibility bus (AT-SPI) reports it: the title, every label and the text of
every text box (hidden ones too: they take turns with a shown one in one place) and the name of
the control that has the focus; each once, one a line with its white space made single, then ".".

usage: /usr/bin/python3 shown_texts.py   (Debian's python3-pyatspi)
"""
import sys
import time

import pyatspi


def texts(node):
    if node.getRole() == pyatspi.ROLE_LABEL or node.getState().contains(pyatspi.STATE_FOCUSED):
        yield node.name
    elif node.getRole() == pyatspi.ROLE_TEXT:
        yield node.queryText().getText(0, -1)
    for child in node:
        yield from texts(child)


def shown_window(title, seconds=5):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            for window in app or []:
                if window is not None and window.name == title and window.getState().contains(pyatspi.STATE_SHOWING):
                    return window
        time.sleep(0.2)
    return None


for title in sys.stdin:
    title = title.rstrip("\n")
    window = shown_window(title)
    said = [title] if window else []
    for text in texts(window) if window else []:
        text = " ".join(text.split())
        if text and text not in said:
            said.append(text)
    print("\n".join(said + ["."]), flush=True)
