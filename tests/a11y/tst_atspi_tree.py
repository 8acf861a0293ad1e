#!/usr/bin/env python3
"""Reads the experiment window over the real accessibility bus (AT-SPI) and drives it with real X keys and
mouse (xdotool): every button, list and field has a name and a role; the apparatus picture's description
follows a set-up built and changed with keys only; the same set-up built with the mouse gives the same
theoretical deflection at the gauge."""

import re
import subprocess
import sys
import time

import pyatspi

PROBE = sys.argv[1]
failures = []


def fail(text):
    failures.append(text)
    print("FAIL:", text, flush=True)


def find_app(name, timeout=30.0):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def walk(acc, depth=0):
    if acc is None or depth > 40:
        return
    acc.clear_cache()  # the children and texts as the program has them now, not as first read
    yield acc
    for i in range(acc.childCount):
        yield from walk(acc.getChildAtIndex(i), depth + 1)


def fresh(acc):
    acc.clear_cache()
    return acc


def by_name(app, name):
    for acc in walk(app):
        if acc.name == name and acc.getState().contains(pyatspi.STATE_SHOWING):
            return acc
    return None


def description(app):
    picture = by_name(app, "Apparatus")
    return fresh(picture).description if picture else ""


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40", *names], check=True)
    time.sleep(0.3)


def focus(app, name):
    acc = by_name(app, name)
    if acc is None:
        fail(f"no control named {name!r}")
        return False
    acc.queryComponent().grabFocus()
    time.sleep(0.2)
    return True


def gauge_words(text):
    m = re.search(r"theoretical deflection at the gauge (-?\d+\.\d\d mm)", text)
    return m.group(1) if m else None


NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TABLE,
}


def main():
    probe = subprocess.Popen([PROBE], stdout=subprocess.PIPE, text=True)
    try:
        probe.stdout.readline()  # "ready"
        app = find_app("ferrant-a11y-probe")
        if app is None:
            fail("the probe never appeared on the accessibility bus")
            return
        time.sleep(1.0)

        # Every button, list and field that shows has a name and a role.
        counted = 0
        for acc in walk(app):
            state = acc.getState()
            if not state.contains(pyatspi.STATE_SHOWING):
                continue
            if acc.getRole() in NAMED_ROLES:
                counted += 1
                print(f"  {acc.getRoleName()}: {acc.name!r}", flush=True)
                if not acc.name.strip():
                    fail(f"a {acc.getRoleName()} without a name (parent {acc.parent.name!r})")
        print(f"{counted} buttons, lists and fields checked", flush=True)
        if counted < 10:
            fail(f"only {counted} controls with a role: the tree is not what the window shows")
        for name in ("Apparatus", "Knife-edge support", "End clamp", "300 g weight", "Dial gauge",
                     "Variable weight, g", "UDL intensity, N/m"):
            if by_name(app, name) is None:
                fail(f"no control named {name!r}")

        # Keys only: two knife-edges, 300 g at midspan; the gauge stays at 300 mm.
        if focus(app, "Knife-edge support"):
            keys("Return", "shift+Left", "shift+Left", "Return")
        if focus(app, "Knife-edge support"):
            keys("Return", "shift+Right", "shift+Right", "Return")
        if focus(app, "300 g weight"):
            keys("space", "Return")
        words = description(app)
        print("after the keys:", words, flush=True)
        expected = "Simply supported on knife-edges at 100 and 500 mm; 300 g at 300 mm; dial gauge at 300 mm"
        if not words.startswith(expected):
            fail(f"the description {words!r} does not begin {expected!r}")
        keyed = gauge_words(words)

        # Changed with keys: the gauge 100 mm to the left, then back; the weight 10 mm right, then back.
        if focus(app, "Dial gauge"):
            keys("Return", "shift+Left", "Return")
        if "dial gauge at 200 mm" not in description(app):
            fail(f"the gauge moved by keys is not in {description(app)!r}")
        if focus(app, "Dial gauge"):
            keys("Return", "shift+Right", "Return")
        if focus(app, "300 g weight at 300 mm"):
            keys("Return", "Right", "Return")
        if "300 g at 310 mm" not in description(app):
            fail(f"the weight moved by keys is not in {description(app)!r}")
        if focus(app, "300 g weight at 310 mm"):
            keys("Return", "Left", "Return")

        announcement = by_name(app, "Announcement")
        # (The announcement label's name is what was said last; it is checked by name below.)
        said = [fresh(a).name for a in walk(app) if a.getRole() == pyatspi.ROLE_LABEL and "300 g at 300 mm" in (a.name or "")]
        if not said:
            fail("no announcement of the set-up after the last drop")

        # Cleared with keys: Delete on each item.
        for name in ("300 g weight at 300 mm", "Knife-edge", "Knife-edge"):
            if focus(app, name):
                keys("Delete")
        words = description(app)
        if not words.startswith("No supports; no load"):
            fail(f"after Delete: {words!r}")

        # The same set-up with the mouse (real X pointer events): the same theoretical deflection.
        def centre(acc):
            e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            return e.x + e.width // 2, e.y + e.height // 2

        picture = by_name(app, "Apparatus")
        pe = picture.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        # Station x on the picture (100, 300 and 500 mm): the stations' pixel table.
        station_x = {10: 147, 30: 265, 50: 382}

        def drag(source_name, station, y):
            sx, sy = centre(by_name(app, source_name))
            tx, ty = pe.x + station_x[station], pe.y + y
            subprocess.run(["xdotool", "mousemove", str(sx), str(sy), "mousedown", "1", "sleep", "0.1",
                            "mousemove", str(tx + 3), str(ty), "sleep", "0.1", "mousemove", str(tx), str(ty),
                            "sleep", "0.1", "mouseup", "1", "sleep", "0.1", "mousemove", str(pe.x + 300),
                            str(pe.y + 40)], check=True)
            time.sleep(0.3)

        drag("Knife-edge support", 10, 160)
        drag("Knife-edge support", 50, 160)
        drag("300 g weight", 30, 190)
        words = description(app)
        print("after the mouse:", words, flush=True)
        if not words.startswith(expected):
            fail(f"the mouse-built description {words!r} does not begin {expected!r}")
        if keyed is None or gauge_words(words) != keyed:
            fail(f"theoretical deflection by keys {keyed!r}, by the mouse {gauge_words(words)!r}")
    finally:
        probe.terminate()
        try:
            out, _ = probe.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            probe.kill()
            out, _ = probe.communicate()
        for line in (out or "").splitlines():
            if line.startswith("box:"):
                print(line, flush=True)


main()
if failures:
    print(f"{len(failures)} failure(s)")
    sys.exit(1)
print("all accessibility checks passed")
