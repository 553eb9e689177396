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
