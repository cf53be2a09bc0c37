"""The real MARLO as a screen reader sees it, and a whole task done with the keyboard only and
with one switch only, read through the accessibility bus (AT-SPI).
Usage: pupil_aids.py screen-reader|keyboard|switch"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

HOME = (9, 8)  # the robot's square on a 1024 x 768 screen, counted from 1


def fail(message):
    sys.exit(f"FAIL: {message}")


def wait_for(check, seconds, what):
    """Asks again until check() holds: under load the bus may time out or lag behind."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            if found := check():
                return found
        except GLib.GError:
            pass
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)
    fail(f"{what}, after {seconds} s")


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def key(*names):
    run("xdotool", "key", "--delay", "150", *names)


app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "MARLO"),
                            None), 30, "no MARLO on the accessibility bus")
found = wait_for(lambda: pyatspi.findAllDescendants(app, lambda a: a.getRoleName() in (
    "push button", "canvas", "label", "text", "filler")), 10, "no controls")
buttons = {a.name: a for a in found if a.getRoleName() == "push button"}
floor = next(a for a in found if a.getRoleName() == "canvas")
status = next(a for a in found if a.getRoleName() == "label" and "name" not in a.name)
listing = next(a for a in found if a.name == "program")


def wait_status(word, seconds):
    wait_for(lambda: status.name == word, seconds, f"status '{status.name}', not '{word}'")


def listed():
    return listing.queryText().getText(0, -1)


def route():
    """Forwards or backwards to the target's row, then a turn and forwards to its column."""
    column, row = map(int, wait_for(lambda: re.search(r"target on column (\d+), row (\d+)",
                                                      floor.name), 5, "no target").groups())
    steps = ["forwards"] * (HOME[1] - row) + ["backwards"] * (row - HOME[1])
    if column != HOME[0]:
        steps += ["right" if column > HOME[0] else "left"] + ["forwards"] * abs(column - HOME[0])
    return steps


if sys.argv[1] == "screen-reader":
    print("buttons:", ", ".join(sorted(buttons)))
    if sorted(buttons) != sorted("forwards backwards left right pause Go exit target load print"
                                 " save".split() + ["clear memory"]):
        fail("buttons")
    told = []
    pyatspi.Registry.registerEventListener(
        lambda event: told.append(event.source.name), "object:property-change:accessible-name")
    for name in ["forwards", "forwards", "right", "forwards", "Go"]:
        buttons[name].queryAction().doAction(0)
        time.sleep(0.3)  # a click through the bus lands 100 ms later
    wait_status("finished", 15)
    wait_for(lambda: "finished" in told, 5, f"the verdict never told: {told}")
    said = list(dict.fromkeys(name for name in told if name.startswith("robot")))
    print("floor told:", " | ".join(said), "\nfloor's description:", floor.description,
          "\nstatus:", status.name, "\nlisting:", listed().replace("\n", ", "))
    if said != [f"robot on column {c}, row {r}, facing {h}" for c, r, h in [
            (9, 8, "north"), (9, 7, "north"), (9, 6, "north"), (9, 6, "east"), (10, 6, "east")]]:
        fail("the floor did not tell the start and each step")
    if floor.description != said[-1] or listed() != "1 forwards\n2 forwards\n3 right\n4 forwards":
        fail("floor's description or listing")

elif sys.argv[1] == "keyboard":
    # The desktop gives the start-up window the keyboard, as a window manager would: there is
    # none on this display. Then Tab to "target" and Space for it: no mouse at all.
    for window in run("xdotool", "search", "--onlyvisible", "--class", "marlo").split():
        if "Position: 0,0 " in run("xdotool", "getwindowgeometry", window):
            run("xdotool", "windowfocus", "--sync", window)
    for _ in range(12):
        key("Tab")
        time.sleep(0.3)
        if buttons["target"].getState().contains(pyatspi.STATE_FOCUSED):
            break
    key("space")
    steps = route()
    arrows = {"forwards": "Up", "backwards": "Down", "left": "Left", "right": "Right"}
    # Then one step at a time to the verdict.
    key(*[arrows[step] for step in steps])
    wait_for(lambda: len(listed().splitlines()) == len(steps), 5, "the arrows not all typed")
    key(*["s"] * len(steps))
    wait_status("well done!", 10)
    print(f"keyboard: Tab to target, Space, {len(steps)} arrows, {len(steps)} presses of S:",
          status.name)

elif sys.argv[1] == "switch":
    # The teacher sets the target with the mouse; from then on the pupil has one switch.
    x, y, w, h = buttons["target"].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1")
    steps = route() + ["Go"]
    ring = next(a for a in found if a.name.startswith("highlighted: "))

    def highlighted(name):
        return ring.name == f"highlighted: {name}"

    for i, step in enumerate(steps):
        # Pressed as the highlight arrives, not as it may be leaving; a press holds it there.
        if i == 0 or step != steps[i - 1]:
            wait_for(lambda: not highlighted(step), 30, f"{step} stayed highlighted")
            wait_for(lambda: highlighted(step), 30, f"{step} never highlighted")
        key("space")
    wait_status("running", 5)
    paused = [(highlighted("Go"), time.sleep(0.4))[0] for _ in range(4)]
    wait_status("well done!", len(steps) + 5)
    if not all(paused) or not highlighted("Go"):
        fail("scanning went on during the run")
    print(f"switch: the teacher's target, then {len(steps)} presses of one switch"
          f" ({', '.join(steps)}): {status.name}; the highlight stayed on Go through the run")
