#!/usr/bin/python3
"""Real keys through the X server, as keyboards and the desktop's keyboard aids send them:
Shift and an Italian layout on the digits, the keypad with NumLock off, a Shift latched by
Sticky Keys, Slow Keys and Bounce Keys, and no press lost after a key moved the focus to
another window. The program is read through AT-SPI (its buttons' focus, the answer cell's
caption)."""
import subprocess
import sys
import time

import pyatspi

from atspi_comune import find_app, frame, walk

failures = []


def run(*args):
    subprocess.run(args, check=True)


def key(*keys):
    run("xdotool", "key", "--delay", "80", *keys)
    time.sleep(0.25)


def focused(window):
    for b in walk(window):
        if b.getRole() == pyatspi.ROLE_PUSH_BUTTON and b.getState().contains(pyatspi.STATE_FOCUSED):
            return b.name
    return None


def expect(what, got, wanted):
    ok = got == wanted
    print(f"{'ok  ' if ok else 'FAIL'} {what}: {got!r}" + ("" if ok else f", expected {wanted!r}"))
    if not ok:
        failures.append(what)


def expect_focus(what, window, wanted, timeout=3):
    end = time.time() + timeout
    while time.time() < end and focused(window) != wanted:
        time.sleep(0.1)
    expect(what, focused(window), wanted)


def expect_name(what, node, wanted, timeout=3):
    end = time.time() + timeout
    while time.time() < end and node.name != wanted:
        time.sleep(0.1)
    expect(what, node.name, wanted)


def num_lock_on():
    out = subprocess.run(["xset", "q"], capture_output=True, text=True, check=True).stdout
    return "Num Lock:    on" in out


app = find_app("tabella")
start = frame(app, "Tabella", pyatspi.STATE_ACTIVE)
expect_focus("the start screen opens on 10", start, "10")
if num_lock_on():
    key("Num_Lock")
expect("NumLock is off", num_lock_on(), False)

# (layout, keys pressed, the table button that has the focus after them, what it checks)
TABLE_KEYS = [
    ("us", ["shift+3"], "13", "US: Shift+3 moves to 13"),
    ("us", ["KP_End"], "11", "US: keypad 1 with NumLock off moves to 11"),
    ("us", ["KP_Multiply"], "20", "US: keypad * moves to 20"),
    ("it", ["shift+5"], "15", "Italian: Shift+5 (%) moves to 15"),
    ("it", ["sterling"], "13", "Italian: Shift+3 (£) moves to 13"),
    ("it", ["asterisk"], "13", "Italian: the * over + is no key of the tables"),
    ("it", ["Caps_Lock", "4", "Caps_Lock"], "14", "Italian: Caps Lock+4 moves to 14"),
]
layout = None
for wanted, keys, focus, what in TABLE_KEYS:
    if wanted != layout:
        run("setxkbmap", wanted)
        time.sleep(0.3)
        layout = wanted
    key(*keys)
    expect_focus(what, start, focus)

run("xkbset", "sticky", "-twokey", "-latchlock")
key("Shift_L")
key("7")
expect_focus("Sticky Keys: a latched Shift then 7 moves to 17", start, "17")
run("xkbset", "-sticky")

# Enter on a table goes to "Vai", Enter on "Vai" opens the exercise screen.
key("KP_Up")
expect_focus("keypad 8 with NumLock off moves to 18", start, "18")
key("Return")
expect_focus("Enter chooses the table and goes to Vai", start, "Vai")
key("Return")
exercise = frame(app, "TABELLA", pyatspi.STATE_ACTIVE)

cells = [n for n in walk(exercise) if n.name == "?" and n.getRole() != pyatspi.ROLE_PUSH_BUTTON]
expect("one answer cell waits for its answer", len(cells), 1)
cell = cells[0]
key("shift+1", "shift+2")
expect_name("Italian: Shift+1, Shift+2 type 12", cell, "12")
key("shift+c", "shift+c")
expect_name("Shift+C twice clears the answer", cell, "?")
key("KP_End", "KP_Insert")
expect_name("keypad 1 and 0 with NumLock off type 10", cell, "10")
key("c", "c")
expect_name("C clears the answer", cell, "?")

# Wide margins, so that a busy machine cannot make the keyboard aids' times come out otherwise.
run("xkbset", "bouncekeys", "1000")
time.sleep(0.2)
run("xdotool", "key", "--delay", "100", "4", "4")  # the second 100 ms after the first
expect_name("Bounce Keys: a second 4 within 1 s is dropped", cell, "4")
time.sleep(1.5)
expect("Bounce Keys: ... and only it", cell.name, "4")
run("xdotool", "key", "4")
expect_name("Bounce Keys: after the delay 4 types again", cell, "44")
run("xkbset", "-bouncekeys")
key("c", "c")
expect_name("C clears the answer", cell, "?")

run("xkbset", "slowkeys", "600")
time.sleep(0.2)
run("xdotool", "key", "6")
time.sleep(0.3)
expect("Slow Keys: a brief tap of 6 does not count", cell.name, "?")
run("xdotool", "keydown", "6")
time.sleep(1.0)
run("xdotool", "keyup", "6")
expect_name("Slow Keys: 6 held 1 s types once", cell, "6")
run("xkbset", "-slowkeys")
key("c")
expect_name("C clears the answer", cell, "?")

# Closing the exercise screen: the first digit on the start screen acts at once.
run("wmctrl", "-F", "-c", "TABELLA")  # the window manager's close, as the close box does
start = frame(app, "Tabella", pyatspi.STATE_ACTIVE)
expect_focus("back on the start screen, the focus is on 10", start, "10")
key("5")
expect_focus("the first digit afterwards moves the focus at once", start, "15")

run("setxkbmap", "us")
if failures:
    sys.exit(f"{len(failures)} failed: {failures}")
print("1 passed, 0 failed")
