"""Runs Orca, the screen reader, against a program under Xvfb and tells what
Orca speaks after each step of keys. Started by orca_session.sh inside a
private D-Bus session, with a throwaway HOME that it has set up.

    orca_session.py PROGRAM --probe KEYS...   prints what Orca said after each step
    orca_session.py PROGRAM SCRIPT.py [ARGS]  calls SCRIPT.py's run(session, args)

A step is one argument: the keys of `xdotool key`, separated by spaces."""

import collections
import os
import re
import runpy
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
STAMP = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
# Orca's speech.py writes "SPEECH OUTPUT: 'text'", then " voice=NAME" for a
# voice other than the default, then the voice's dict. A key's echo ('tab ')
# and a single character ('a') have a space before the dict. A line break in
# the text goes on in a line indented by 18 spaces.
SPEECH_START = re.compile(STAMP.pattern + "(?=SPEECH OUTPUT: ')")
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'( voice=\S+)?( ?)\{.*\}", re.S)
QUIET = 0.8  # a step ends when the log has been still this long,
GRACE = 1.5  # and, when nothing is expected, once more than keys were said, or after this long

Utterance = collections.namedtuple("Utterance", "text echo")
Utterance.__str__ = lambda u: ("[key] " if u.echo else "") + u.text


class SessionError(Exception):
    pass


class SpeechLog:
    """Reads Orca's debug log as it grows, record by record."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.pending = None  # an utterance record whose end is not yet written
        self.last_growth = time.monotonic()

    def read(self):
        """The utterances written since the last read."""
        try:
            with open(self.path, "rb") as log:
                log.seek(self.offset)
                data = log.read()
        except FileNotFoundError:
            return []
        end = data.rfind(b"\n") + 1
        if end == 0:
            return []
        self.offset += end
        self.last_growth = time.monotonic()
        heard = []
        for line in data[:end].decode("utf-8", "replace").split("\n")[:-1]:
            if self.pending is not None and line.startswith(" " * 18) and not STAMP.match(line):
                self.pending += "\n" + line[18:]
            elif SPEECH_START.match(line):
                self.pending = line[SPEECH_START.match(line).end():]
            else:
                self.pending = None
            match = self.pending is not None and SPEECH.fullmatch(self.pending)
            if match:
                text, voice, space = match.groups()
                heard.append(Utterance(text.strip(), bool(space) and not voice and len(text) != 1))
                self.pending = None
        return heard

    def quiet_for(self):
        return time.monotonic() - self.last_growth


class Session:
    def __init__(self, program, log_path, deadline):
        self.program = program
        self.log = SpeechLog(log_path)
        self.deadline = deadline
        self.env = dict(os.environ)
        for scaling in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR"):
            self.env.pop(scaling, None)
        locales = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
        self.env["LC_ALL"] = "bg_BG.UTF-8" if "bg_BG.utf8" in locales else "C.UTF-8"
        self.children = []
        self.orca = self.app = None
        self.initial = []

    def spawn(self, args, env=None, **kwargs):
        child = subprocess.Popen(args, env=env or self.env, start_new_session=True, **kwargs)
        self.children.append(child)
        return child

    def xdotool(self, *args, timeout=10):
        try:
            return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                                  timeout=timeout, check=True).stdout
        except subprocess.TimeoutExpired:
            raise SessionError("xdotool %s did not end within %d s" % (" ".join(args), timeout))
        except subprocess.CalledProcessError as error:
            raise SessionError("xdotool %s failed: %s" % (" ".join(args), error.stderr.strip()))

    def wait(self, what, condition, timeout):
        """Polls `condition` until it gives something true."""
        end = min(time.monotonic() + timeout, self.deadline)
        while time.monotonic() < end:
            result = condition()
            if result:
                return result
            for child, name in ((self.orca, "Orca"), (self.app, "the program")):
                if child is not None and child.poll() is not None:
                    raise SessionError("%s ended (exit code %s) while waiting for %s" % (name, child.returncode, what))
            time.sleep(0.05)
        raise SessionError("timed out waiting for %s" % what)

    def start(self):
        xvfb = self.spawn(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        number = xvfb.stdout.readline().decode().strip()
        if not number:
            raise SessionError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number
        self.spawn(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait("openbox", lambda: subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                                     capture_output=True, text=True).stdout.count("window id"), 10)
        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.orca_output = open(self.log.path + ".stderr", "w")
        self.orca = self.spawn(["/usr/bin/python3", os.path.join(HERE, "orca_launch.py"), "--disable=braille",
                                "--debug-file=" + self.log.path], stdout=self.orca_output, stderr=subprocess.STDOUT)
        heard = []
        self.wait("Orca to speak its start", lambda: heard.extend(self.log.read()) or heard, 30)

        app_env = dict(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.app_output = open(self.log.path + ".program", "w")
        self.app = self.spawn([self.program], env=dict(self.env, **app_env), stderr=self.app_output)
        window = self.wait("the program's window", self._window, 20)
        self.xdotool("windowactivate", "--sync", window)
        self.initial = self.settle(15, grace=15)
        return self.initial

    def _window(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.app.pid)],
                               env=self.env, capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    def settle(self, timeout, expect=None, grace=GRACE):
        """Collects utterances until the log is still and `expect` has matched
        one of them (without it, until something but a key's echo was said,
        or `grace` seconds have passed); on a timeout, what was heard."""
        began = time.monotonic()
        end = min(began + timeout, self.deadline)
        heard = []
        while time.monotonic() < end:
            heard.extend(self.log.read())
            spoken = [u.text for u in heard if not u.echo]
            if expect is not None:
                done = any(re.search(expect, text) for text in spoken)
            else:
                done = spoken or time.monotonic() - began >= grace
            if done and self.log.quiet_for() >= QUIET:
                return heard
            if self.orca.poll() is not None:
                raise SessionError("Orca ended (exit code %s)" % self.orca.returncode)
            time.sleep(0.05)
        if time.monotonic() >= self.deadline:
            raise SessionError("the session ran out of time")
        return heard

    def press(self, keys, expect=None, timeout=5):
        """Presses `keys` (xdotool key names separated by spaces) and returns
        what Orca said then (see settle), key echoes included (u.echo)."""
        before = self.log.read()
        if before:
            print("(said between steps: %s)" % " | ".join(map(str, before)), file=sys.stderr)
        self.xdotool("key", "--delay", "50", *keys.split())
        return self.settle(timeout, expect)

    def stop(self):
        """Orca first, on SIGTERM it says goodbye and ends its log; then the rest."""
        if self.orca is not None and self.orca.poll() is None:
            self.orca.terminate()
            try:
                self.orca.wait(5)
            except subprocess.TimeoutExpired:
                pass
        for child in reversed(self.children):
            try:
                os.killpg(child.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        end = time.monotonic() + 3
        for child in reversed(self.children):
            try:
                child.wait(max(0.1, end - time.monotonic()))
            except subprocess.TimeoutExpired:
                pass
            try:
                os.killpg(child.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            child.wait()


def probe(session, steps):
    print("(start):", " | ".join(map(str, session.initial)) or "(nothing)")
    for keys in steps:
        began = time.monotonic()
        heard = session.press(keys)
        print("%s (%.1f s):" % (keys, time.monotonic() - began), " | ".join(map(str, heard)) or "(nothing)")
    return 0


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    program, mode, rest = argv[1], argv[2], argv[3:]
    if mode != "--probe" and not os.path.isfile(mode):
        print("FAIL: no script %s" % mode, file=sys.stderr)
        return 2
    sys.stdout.reconfigure(line_buffering=True)
    began = time.monotonic()
    limit = float(os.environ.get("ORCA_SESSION_TIMEOUT", "90"))  # orca_session.sh's, which kills
    session = Session(os.path.abspath(program), os.environ["ORCA_DEBUG_FILE"], began + limit - min(10, limit / 4))
    code = 1
    try:
        session.start()
        if mode == "--probe":
            code = probe(session, rest)
        else:
            code = runpy.run_path(mode)["run"](session, rest)
    except SessionError as error:
        print("FAIL: %s (after %.1f s); the end of Orca's log and output:" % (error, time.monotonic() - began),
              file=sys.stderr)
        subprocess.run(["tail", "-n", "15", session.log.path, session.log.path + ".stderr"], stdout=sys.stderr)
    finally:
        session.stop()
        if session.app is not None:  # Qt's warnings, each once
            with open(session.app_output.name, errors="replace") as output:
                for line, count in collections.Counter(output.read().splitlines()).items():
                    print("program (%d×): %s" % (count, line), file=sys.stderr)
    print("(the session took %.1f s)" % (time.monotonic() - began), file=sys.stderr)
    return code


if __name__ == "__main__":
    sys.exit(main(sys.argv))
