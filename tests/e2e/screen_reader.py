#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears of the game, through AT-SPI as Orca hears it: a line for each
# window's name and each button's name as they appear ("window NAME", "button NAME"), and
# for each description given to the control with the focus ("told TEXT").
# Usage: screen_reader.py LOG READY_FILE   (on the desktop's D-Bus session)
import sys

import pyatspi
from gi.repository import GLib

log = open(sys.argv[1], "a", buffering=1, encoding="utf-8")
said = set()


def say(line):
    if line not in said:
        said.add(line)
        print(line, file=log)


def told(event):  # Qt names the object in the event: its description is read from it
    try:
        if event.source.description:
            say("told " + " ".join(event.source.description.split()))
    except GLib.Error:
        pass


def look():
    try:
        for application in pyatspi.Registry.getDesktop(0):
            for window in application or []:
                if window is None or "window " + window.name in said:
                    continue
                say("window " + window.name)
                # The board's hundred numbers are left to the offscreen tests: reading them
                # here would hold up what the reader is told meanwhile.
                for control in window if window.childCount < 50 else []:
                    if control is not None and control.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                        say("button " + control.name)
    except GLib.Error:  # a window that closed while it was read
        pass
    return True


pyatspi.Registry.registerEventListener(told, "object:property-change:accessible-description")
GLib.timeout_add(100, look)
open(sys.argv[2], "w").close()
pyatspi.Registry.start()
