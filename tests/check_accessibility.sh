#!/usr/bin/env bash
# What a screen reader sees, read through the real accessibility stack as
# Orca reads it: a private D-Bus session, the AT-SPI bus, the program in a
# real window under Xvfb, and python3-pyatspi walking the tree.
# usage: check_accessibility.sh PROGRAM
set -euo pipefail
program=$1
for tool in dbus-run-session Xvfb xdotool /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
dbus-run-session -- true 2>/dev/null || { echo "SKIP: no D-Bus session can be started here"; exit 77; }
exec dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/atspi_walk.py" "$program"
