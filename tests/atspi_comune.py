"""What the checks of the real program share: finding it on the accessibility bus and walking
its tree."""
import sys
import time

import pyatspi


def find_app(name, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"application {name!r} not on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def frame(app, title, state=pyatspi.STATE_SHOWING, timeout=20):
    """The program's window with this title, once it is in the given state."""
    end = time.time() + timeout
    while time.time() < end:
        for f in app:
            if f is not None and f.getRole() == pyatspi.ROLE_FRAME and f.name == title:
                if f.getState().contains(state):
                    return f
        time.sleep(0.2)
    states = [(f.name, str(f.getState().getStates())) for f in app if f is not None]
    sys.exit(f"window {title!r} not in state {state}; windows: {states}")
