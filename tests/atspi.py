#!/usr/bin/python3
"""Reads the real program as a screen reader and a switch tool read it, through AT-SPI: the
start screen and the exercise screen in reading order with their roles and names, only the
panel in front showing, the events of a typed digit and of a wrong answer, the author window;
and presses "Vai" as an assistive tool does."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

from atspi_comune import find_app, frame, walk

failures = []
checks = 0


def expect(what, ok, detail=""):
    global checks
    checks += 1
    print(f"{'ok  ' if ok else 'FAIL'} {what}" + ("" if ok else f": {detail}"))
    if not ok:
        failures.append(what)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def read(window):
    """What a screen reader reads, in order: the labels and buttons that are showing."""
    out = []
    for n in walk(window):
        role = n.getRole()
        if role in (pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON) and showing(n):
            out.append((n.getRoleName(), n.name))
    return out


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def match(what, got, expected):
    """expected: (role, name or regular expression) pairs, in order."""
    ok = len(got) == len(expected) and all(
        g[0] == e[0] and re.fullmatch(e[1], g[1]) for g, e in zip(got, expected))
    expect(what, ok, f"\n  read:     {got}\n  expected: {expected}")


def common_checks(name, window):
    nodes = list(walk(window))
    fillers = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_FILLER and n.name]
    expect(f"{name}: no filler carries text", not fillers, fillers)
    expect(f"{name}: no reference mark read out", all(n.name != "Label5" for n in nodes))
    labels = [n for n in nodes if n.getRole() == pyatspi.ROLE_LABEL]
    bad = [(n.name, text_of(n)) for n in labels if text_of(n) != n.name]
    expect(f"{name}: every label's text is its name", not bad, bad)


events = []


def on_event(event):
    try:  # an object of a window that has just closed can no longer be read
        events.append((event.type, event.source.getRoleName(), event.source.name,
                       str(event.any_data) if event.any_data is not None else ""))
    except GLib.GError:
        pass


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)
    pump(0.6)


def click(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "1"], check=True)


app = find_app("tabella")
start = frame(app, "Tabella")
buttons = {n.name: n for n in walk(start) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
focused = [n for n, b in buttons.items() if b.getState().contains(pyatspi.STATE_FOCUSED)]
expect("the focus is on 10", focused == ["10"], focused)
match("start screen read in order", read(start),
      [("label", "Vers.1.0\nMouse"), ("label", "TABELLA: sottrazione")]
      + [("push button", str(n)) for n in range(10, 21)]
      + [("push button", n) for n in ("Vai", "Ripristina", "Esci")]
      + [("label", "Tabella"), ("label", "Il nuovo software di .*")])
common_checks("start screen", start)

pyatspi.Registry.registerEventListener(
    on_event, "object:property-change:accessible-name",
    "object:property-change:accessible-description", "object:state-changed:showing")

action = buttons["Vai"].queryAction()
expect("Vai has the press action first", action.getName(0) in ("press", "Press"), action.getName(0))
action.doAction(0)
exercise = frame(app, "TABELLA")
pump(1.0)

number = r"\d+"
row0 = [("label", r"[-+]"), ("label", number), ("label", "="), ("label", r"\?")]
later_rows = [("label", number), ("label", "")] * 9
keypad = [("push button", str(n)) for n in range(10)] + [
    ("push button", n) for n in ("Cancella", "Invio", "Nuova Tabella", "Esco")]
match("exercise screen: minuend, then each column, then the keypad", read(exercise),
      [("label", number)] + row0 + later_rows + keypad)
common_checks("exercise screen", exercise)
hidden = [n.name for n in walk(exercise) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
          and n.name in ("SI", "NO", "OK", "Stampa", "Ricomincia") and showing(n)]
expect("no button of the panels behind is showing", not hidden, hidden)

cell = next(n for n in walk(exercise) if n.getRole() == pyatspi.ROLE_LABEL and n.name == "?")
events.clear()
key("7")
expect("a typed digit announces the cell's new name",
       any(t == "object:property-change:accessible-name" and r == "label" and n == "7"
           for t, r, n, d in events), events)
events.clear()
key("7", "Return")  # 77: wrong on every table
expect("the wrong answer's cell reads 'risposta sbagliata'",
       cell.description == "risposta sbagliata", cell.description)
expect("the wrong answer announces the cell's description",
       any(t == "object:property-change:accessible-description" and n == "77"
           for t, r, n, d in events), events)
shown = [(r, n) for t, r, n, d in events if t == "object:state-changed:showing"]
expect("the panels announce what shows and what hides", len(shown) >= 2, events)
match("the help offer is read, the keypad no more",
      [x for x in read(exercise) if x[0] == "push button"],
      [("push button", "SI"), ("push button", "NO")])

# The author window opens modally: a real click on the menu entry, as a user does.
menu = next(n for n in walk(exercise) if n.getRole() == pyatspi.ROLE_MENU_ITEM
            and n.name == "Autore")
click(menu)
author = frame(app, "Autore")
names = [n for r, n in read(author)]
expect("the author window's button reads 'Chiudi'", "Chiudi" in names, names)
common_checks("author window", author)
key("Return")

pyatspi.Registry.deregisterEventListener(
    on_event, "object:property-change:accessible-name",
    "object:property-change:accessible-description", "object:state-changed:showing")
if failures:
    sys.exit(f"{len(failures)} of {checks} failed: {failures}")
print(f"{checks} passed, 0 failed")
