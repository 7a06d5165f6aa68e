"""Walks the program's accessibility tree over AT-SPI, at rest and during a
highlight, and checks what a screen reader would present as on the screen.
Runs inside its own D-Bus session (see check_accessibility.sh)."""

import os
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

MARKER = "Маркер на избрания час"
NUMERALS = ["I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"]
SPOKEN = ["%d %s (%s)" % (h, "час" if h == 1 else "часа", NUMERALS[h - 1]) for h in range(1, 13)]
COORDINATE = re.compile(r"^\d+([.,]\d+)?$")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def walk(node, found):
    try:
        states = node.getState()
        entry = {
            "role": node.getRoleName(),
            "name": node.name or "",
            "description": node.description or "",
            "showing": states.contains(pyatspi.STATE_SHOWING),
            "visible": states.contains(pyatspi.STATE_VISIBLE),
            "children": node.childCount,
            "node": node,
        }
        try:
            text = node.queryText()
            entry["text"] = text.getText(0, -1)
        except NotImplementedError:
            entry["text"] = ""
        found.append(entry)
        for child in node:
            if child is not None:
                walk(child, found)
    except Exception as error:  # an object that went away while walked
        print("skipped an object:", error)
    return found


def heard_after(env, keys, kind, until, timeout=3):
    """The events of `kind` after xdotool types `keys`, as (role, name,
    description, focused), up to the first that `until` accepts."""
    heard = []

    def listener(event):
        source = event.source
        heard.append((source.getRoleName(), source.name or "", source.description or "",
                      source.getState().contains(pyatspi.STATE_FOCUSED)))

    pyatspi.Registry.registerEventListener(listener, kind)
    subprocess.run(["xdotool", "key"] + keys, env=env, check=True)
    deadline = time.time() + timeout
    while time.time() < deadline and not any(until(said) for said in heard):
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)
    pyatspi.Registry.deregisterEventListener(listener, kind)
    return heard


def application(timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "ravelinta" and app.childCount > 0:
                return app
        time.sleep(0.2)
    return None


def main(program):
    # In a group of its own, so that the buses and the registry it starts end with it.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], start_new_session=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE)
    display = ":" + xvfb.stdout.readline().decode().strip()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    for scaling in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"):
        env.pop(scaling, None)
    app = subprocess.Popen([program], env=env)
    try:
        root = application()
        if root is None:
            print("FAIL: the program never appeared on the accessibility bus")
            return 1
        time.sleep(0.5)
        at_rest = walk(root, [])

        # What a screen reader has: the hour list, the description, the dial.
        lists = [e for e in at_rest if e["role"] == "list"]
        check(len(lists) == 1, "lists in the tree: %s" % [e["name"] for e in lists])
        hours = [e for e in lists if e["name"] == "Час"]
        check(len(hours) == 1, "no list named Час")
        # Twelve rows in the list and twelve hours on the dial, each told by
        # its name and numeral.
        items = sorted(e["name"] for e in at_rest if e["role"] == "list item")
        check(items == sorted(SPOKEN * 2), "list items: %s" % items)
        check(any("Ravelinta" in e["text"] and e["showing"] for e in at_rest), "the description is not readable")
        dials = [e for e in at_rest if e["name"] == "Циферблат"]
        check(len(dials) == 1 and dials[0]["showing"], "no dial named Циферблат on the screen")
        # The dial's items are its twelve hours alone, so that "where am I"
        # says "3 of 12" as the list does.
        check(dials and dials[0]["children"] == 12, "the dial has %s items" % (dials and dials[0]["children"]))
        # Nothing between the window and the dial that a screen reader takes for a window.
        frames = [e["name"] or e["role"] for e in at_rest if e["role"] == "frame"]
        check(not frames, "objects with the role frame in the window: %s" % frames)

        # The dial has the focus at start; a key chooses there, and the dial
        # itself, focused, tells of the hour it shows.
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(app.pid)],
                                env=env, capture_output=True, text=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True)
        time.sleep(0.5)  # the program learns that someone listens
        told = heard_after(env, ["Right"], "object:state-changed:focused", lambda said: said[3])
        check(told and told[-1] == ("list item", "1 час (I)", "", True),
              "after Right on the dial, the focus went to %r" % told[-1:])
        time.sleep(1.5)

        # Nothing hidden is presented as showing: no stored coordinates or
        # numerals, no marker, no numeral label before a highlight.
        for e in at_rest:
            said = e["name"] or e["text"]
            if COORDINATE.match(said) and e["role"] != "list item":
                check(not e["showing"], "a hidden store shows: %s %r" % (e["role"], said))
            if e["role"] == "list item":
                check(not COORDINATE.match(said) or said in [str(h) for h in range(1, 13)],
                      "a stored coordinate is in the tree: %r" % said)

        # During a highlight of hour 3, the marker and the numeral are its
        # pictures: the hour itself tells them, and they are not items.
        subprocess.run(["xdotool", "mousemove", "--window", window, str(10 + 250), str(34 + 131), "click", "1"],
                       env=env, check=True)
        time.sleep(0.5)
        during = walk(root, [])
        check(not any(e["name"] == MARKER or e["name"] == "III" for e in during),
              "the marker or the numeral is in the tree: %s" % [e["name"] for e in during if e["name"] in (MARKER, "III")])
        time.sleep(1.5)

        # Practice: a notification tells the task as it appears, then the
        # feedback and the score when Enter answers with the hour shown (3).
        task = (r"^Задача 1 от 10\. (Посочете \d+ часа?\.|Стрелката сочи под \d+°\. Колко часа показва\?"
                r"( Ъгълът на стрелката се мери от посоката към 3 часа \(0°\) обратно на часовниковата стрелка\.)?)$")
        for keys, expected in ((["ctrl+e"], task),
                               (["Return"], r"^(Вярно!|Не е вярно: избрахте 3 часа, .*) Верни отговори: [01] от 1$")):
            told = heard_after(env, keys, "object:state-changed:showing",
                               lambda said: said[0] == "notification" and re.search(expected, said[1]))
            check(told and re.search(expected, told[-1][1]), "after %s, the screen reader was told %r" % (keys, told))

        # The construction: each step's caption, as it appears and as the steps
        # go on (the last answer's marker may still show and hide meanwhile).
        for keys, expected in ((["ctrl+k"], r"^Стъпка 1 от 7: пергелът в центъра"),
                               (["Next"], r"^Стъпка 2 от 7: линийката"),
                               (["End"], r"^Стъпка 7 от 7: страните")):
            told = heard_after(env, keys, "object:state-changed:showing",
                               lambda said: said[0] == "notification" and re.search(expected, said[1]))
            news = [said[1] for said in told if said[0] == "notification"]
            check(news and re.search(expected, news[-1]), "after %s, the screen reader was told %r" % (keys, told))
    finally:
        app.kill()
        xvfb.kill()
        os.killpg(bus.pid, signal.SIGKILL)

    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print("the accessibility tree shows what the screen shows")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
