"""The real MARLO as a screen reader sees it, and a whole task done with the keyboard only and
with one switch only, read through the accessibility bus (AT-SPI).
Usage: pupil_aids.py screen-reader|keyboard|switch"""
import ctypes
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

HOME = (9, 8)  # the robot's square on a 1024 x 768 screen, counted from 1


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(check, seconds, what):
    """Asks again until check() holds: under load the bus may time out or lag behind."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = check()
            if found:
                return found
        except GLib.GError:
            pass
        if time.monotonic() > deadline:
            fail(f"{what}, after {seconds} s")
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def marlo():
    return next((app for app in pyatspi.Registry.getDesktop(0)
                 if app is not None and app.name == "MARLO"), None)


def all_of(role):
    return pyatspi.findAllDescendants(app, lambda a: a.getRoleName() == role)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


app = wait_for(marlo, 30, "no MARLO on the accessibility bus")
buttons = wait_for(lambda: {b.name: b for b in all_of("push button")}, 10, "no buttons")
floor = wait_for(lambda: all_of("canvas"), 10, "no floor")[0]
status = [label for label in all_of("label") if label.name not in ("program name", "my name")][0]
listing = next(text for text in all_of("text") if text.name == "program")


def press(name):
    buttons[name].queryAction().doAction(0)
    time.sleep(0.3)  # a click through the bus takes 100 ms to land


def wait_status(word, seconds):
    wait_for(lambda: status.name == word, seconds, f"status '{status.name}', not '{word}'")


def listed():
    return listing.queryText().getText(0, -1)


def target():
    found = re.search(r"target on column (\d+), row (\d+)", floor.name)
    return found and (int(found[1]), int(found[2]))


def route(column, row):
    """Forwards or backwards to the target's row, then a turn and forwards to its column."""
    steps = ["forwards"] * (HOME[1] - row) + ["backwards"] * (row - HOME[1])
    if column != HOME[0]:
        steps += ["right" if column > HOME[0] else "left"] + ["forwards"] * abs(column - HOME[0])
    return steps


if sys.argv[1] == "screen-reader":
    names = sorted(buttons)
    if names != sorted(["forwards", "backwards", "left", "right", "pause", "clear memory", "Go",
                        "exit", "target", "load", "print", "save"]):
        fail(f"buttons {names}")
    told = []
    pyatspi.Registry.registerEventListener(
        lambda event: told.append(event.source.name), "object:property-change:accessible-name")
    for name in ["forwards", "forwards", "right", "forwards", "Go"]:
        press(name)
    wait_status("finished", 15)
    wait_for(lambda: "finished" in told, 5, f"the verdict never told: {told}")
    said = [name for name in told if name.startswith("robot")]
    print("buttons:", ", ".join(names))
    print("floor told during the run:", " | ".join(dict.fromkeys(said)))
    print("floor's description:", floor.description)
    print("status:", status.name, "| listing:", listed().replace("\n", ", "))
    steps = ["robot on column 9, row 8, facing north", "robot on column 9, row 7, facing north", "robot on column 9, row 6, facing north",
             "robot on column 9, row 6, facing east", "robot on column 10, row 6, facing east"]
    if list(dict.fromkeys(said)) != steps:
        fail("the floor did not tell the start and each step")
    if floor.description != steps[-1]:
        fail("floor's description")
    if listed() != "1 forwards\n2 forwards\n3 right\n4 forwards":
        fail("listing as text")

elif sys.argv[1] == "keyboard":
    # The desktop gives the start-up window the keyboard, as a window manager would: there is
    # none on this display. Then Tab to "target" and Space for it: no mouse at all.
    def xdotool(*arguments):
        return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                              text=True).stdout
    for window in xdotool("search", "--onlyvisible", "--class", "marlo").split():
        if "Position: 0,0 " in xdotool("getwindowgeometry", window):
            xdotool("windowfocus", "--sync", window)
    for _ in range(12):
        key("Tab")
        time.sleep(0.3)
        if buttons["target"].getState().contains(pyatspi.STATE_FOCUSED):
            break
    else:
        fail("Tab never reached target")
    key("space")
    steps = route(*wait_for(target, 5, "no target"))
    arrows = {"forwards": "Up", "backwards": "Down", "left": "Left", "right": "Right"}
    # A slip mended with Backspace, then one step at a time to the verdict.
    key(*[arrows[step] for step in steps], "p")
    wait_for(lambda: listed().endswith(f"{len(steps) + 1} pause"), 5, "no pause typed")
    key("BackSpace")
    wait_for(lambda: "pause" not in listed(), 5, "Backspace left the pause")
    key(*["s"] * len(steps))
    wait_status("well done!", 10)
    print(f"keyboard: Tab to target, Space, {len(steps)} arrows, P undone with Backspace,"
          f" {len(steps)} presses of S: {status.name}")

elif sys.argv[1] == "switch":
    # The teacher sets the target with the mouse; from then on the pupil has one switch.
    x, y, w, h = buttons["target"].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   check=True)
    steps = route(*wait_for(target, 5, "no target")) + ["Go"]
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XGetImage.restype = ctypes.c_void_p
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
        [ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
    x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
    x11.XDestroyImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)

    def highlighted(name):
        """The highlight's yellow band, just left of the button."""
        x, y, w, h = buttons[name].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        image = x11.XGetImage(display, x11.XDefaultRootWindow(display), x - 3, y + h // 2, 1, 1,
                              0xFFFFFF, 2)
        pixel = x11.XGetPixel(image, 0, 0)
        x11.XDestroyImage(image)
        return pixel == 0xFFFF00

    previous = None
    for step in steps:
        # Pressed as the highlight arrives, not as it may be leaving; a press holds it there.
        if step != previous:
            wait_for(lambda: not highlighted(step), 30, f"{step} stayed highlighted")
            wait_for(lambda: highlighted(step), 30, f"{step} never highlighted")
        key("space")
        previous = step
    wait_status("running", 5)
    paused = []
    for _ in range(4):
        paused.append(highlighted("Go"))
        time.sleep(0.4)
    paused = all(paused)
    wait_status("well done!", len(steps) + 5)
    if not highlighted("Go") or not paused:
        fail("scanning went on during the run")
    print(f"switch: the teacher's target, then {len(steps)} presses of one switch"
          f" ({', '.join(steps)}): {status.name}; the highlight stayed on Go through the run")
