#!/usr/bin/env bash
# What Orca, the screen reader, speaks while keys are pressed in a program:
# Xvfb, openbox, a private D-Bus session, the AT-SPI bus and Orca, with a
# throwaway HOME, everything ended at the end (exit code 77: a tool missing).
# usage: orca_session.sh PROGRAM --probe KEYS...   what Orca said after each step
#        orca_session.sh PROGRAM SCRIPT.py [ARGS]  SCRIPT.py's run(session, args)
# A step is one argument: keys as `xdotool key` takes them ("ctrl+e", "Tab Tab").
# env: ORCA_SESSION_LOG=FILE keeps Orca's debug log there;
#      ORCA_SESSION_TIMEOUT=SECONDS for the whole run (90).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 2 ] || { sed -n '2,9s/^# \{0,1\}//p' "$0" >&2; exit 2; }
[ -x "$1" ] || { echo "FAIL: $1 is not a program" >&2; exit 2; }
for tool in Xvfb openbox xdotool xprop dbus-run-session timeout speech-dispatcher /usr/bin/python3 \
            /usr/libexec/at-spi-bus-launcher /usr/lib/speech-dispatcher-modules/sd_espeak-ng; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi, orca.orca_platform' 2>/dev/null \
    || { echo "SKIP: Orca or python3-pyatspi is not installed" >&2; exit 77; }

limit=${ORCA_SESSION_TIMEOUT:-90}
work=$(mktemp -d /tmp/orca-session.XXXXXX)
# Every process of the session, those that leave their group and the D-Bus
# session too (speech-dispatcher, which Orca starts), inherits this variable.
mark="ORCA_SESSION=$work"
marked() {
    grep -lzxF "$mark" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3
}
sweep() {
    local pids try
    pids=$(marked)
    [ -n "$pids" ] && kill $pids 2>/dev/null
    for try in 1 2 3 4 5 6 7 8 9 10; do
        pids=$(marked)
        [ -z "$pids" ] && break
        sleep 0.2
    done
    [ -n "$pids" ] && kill -KILL $pids 2>/dev/null
    [ -n "${ORCA_SESSION_LOG:-}" ] && cp "$work/orca.log" "$ORCA_SESSION_LOG" 2>/dev/null
    rm -rf "$work"
    [ -n "${filter:-}" ] && exec 2>&3 && wait "$filter"
}
trap sweep EXIT
trap 'echo "FAIL: stopped by a signal" >&2; exit 130' INT TERM HUP

# Without the dbus-daemon's complaint that root may not raise its limit of files.
exec 3>&2 2> >(grep --line-buffered -v "Failed to set fd limit" >&3)
filter=$!

home=$work/home
mkdir -p "$home/.config/speech-dispatcher" "$work/run" && chmod 700 "$work/run"
# No sound card: libao's null driver, or Orca waits on its first utterance.
echo default_driver=null >"$home/.libao"
cat >"$home/.config/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "/etc/speech-dispatcher/modules/espeak-ng.conf"
DefaultModule espeak-ng
EOF

env "$mark" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/run" GSETTINGS_BACKEND=memory \
    ORCA_DEBUG_FILE="$work/orca.log" ORCA_SESSION_TIMEOUT="$limit" \
    timeout --kill-after=5 "$limit" dbus-run-session -- /usr/bin/python3 "$here/orca_session.py" "$@" </dev/null &
wait $!
code=$?
[ $code -eq 124 ] || [ $code -eq 137 ] && echo "FAIL: the Orca session ran over ${limit} s" >&2
exit $code
