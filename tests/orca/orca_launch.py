"""Starts Orca as /usr/bin/orca does, with three changes: the debug log is
written line by line, so that an Orca that is killed keeps every line; Orca
neither looks for nor kills other Orcas of this user, so that sessions can
run side by side (its --replace kills every process named orca); and its
main loop wakes up now and then, for Python runs Orca's SIGTERM handler (a
clean shutdown) only between two callbacks, and an idle Orca has none."""

import builtins
import importlib.machinery
import importlib.util
import sys

from gi.repository import GLib

loader = importlib.machinery.SourceFileLoader("orca_launcher", "/usr/bin/orca")
launcher = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name, loader))
loader.exec_module(launcher)
launcher.open = lambda name, mode="r": builtins.open(name, mode, buffering=1, encoding="utf-8")
launcher.otherOrcas = lambda: []
launcher.setProcessName = lambda name: False  # keeps it out of another Orca's --replace
sys.argv[0] = "orca"
GLib.timeout_add(200, lambda: True)
sys.exit(launcher.main())
