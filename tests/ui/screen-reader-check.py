"""Reads the running calculator the way a screen reader does, over AT-SPI: the window, the
address box's name, the button, the list's column headers and cells, and an error box. Drives
the window with xdotool. Exits non-zero with a message on the first thing that is missing."""

import subprocess
import sys
import time

import pyatspi

TITLE = "Sorvan IP Subnet Calc"
CAPTIONS = ["IP Qty.", "Start IP", "End IP", "Subnet Mask", "Brocase IP"]


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(what, find, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    fail(f"no {what} within {seconds} s")


def descendants(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for child in node:
        yield from descendants(child, depth + 1)


def first(root, role, name=None):
    for node in descendants(root):
        if node.getRoleName() == role and (name is None or node.name == name):
            return node
    return None


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True,
                          text=True).stdout.split()


def calculate(window_id, address):
    xdotool("mousemove", "--window", window_id, "500", "48", "click", "1")
    xdotool("key", "--window", window_id, "ctrl+a", "BackSpace")
    xdotool("type", "--window", window_id, "--delay", "10", address)
    xdotool("key", "--window", window_id, "Return")


def main():
    program_name = sys.argv[1]
    app = wait_for("application on the accessibility bus", lambda: application(program_name))
    window = wait_for("window named " + TITLE, lambda: first(app, "frame", TITLE))

    box = first(window, "text")
    if box is None or box.name != "IP Address:":
        fail(f"address box reads {box.name if box else None!r}, not 'IP Address:'")
    if first(window, "push button", "Start") is None:
        fail("no push button named Start")
    tree = first(window, "tree") or first(window, "tree table") or first(window, "table")
    if tree is None:
        fail("no result list")
    table = tree.queryTable()
    headers = [table.getColumnDescription(c) for c in range(table.nColumns)]
    if headers != CAPTIONS:
        fail(f"column headers read {headers}")

    window_id = wait_for("X window", lambda: (xdotool("search", "--name", f"^{TITLE}$") or [None])[0])
    calculate(window_id, "192.168.1.10")
    wait_for("nine rows", lambda: table.nRows == 9 or None, 10)
    rows = [[table.getAccessibleAt(r, c).name for c in range(5)] for r in (0, 8)]
    expected = [["1", "192.168.1.10", "192.168.1.10", "255.255.255.255", "192.168.1.10"],
                ["256", "192.168.1.0", "192.168.1.255", "255.255.255.0", "192.168.1.255"]]
    if rows != expected:
        fail(f"first and last rows read {rows}")

    calculate(window_id, "10.0.0.abc")
    message = "'abc' is not a valid integer value."

    def error_box():
        for node in descendants(app):
            if node.getRoleName() in ("alert", "dialog") and first(node, "label", message):
                return node
        return None

    wait_for("error box reading " + message, error_box, 10)
    print("PASS: window, address box, button, list and error box are read over AT-SPI")


main()
