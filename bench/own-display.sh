# Sourced by the start-up benchmarks: starts an X server of their own at
# the size given (WIDTHxHEIGHT), exports DISPLAY, and stops it (and whatever
# `stop_also` names) on exit.
# usage: own_display 640x480
own_display() {
    local display
    display=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1x24" -dpi 96 -nolisten tcp 3>"$display" >/dev/null 2>&1 &
    own_display_pid=$!
    trap 'kill $own_display_pid 2>/dev/null; ${stop_also:-true}' EXIT
    for _ in $(seq 50); do [ -s "$display" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$display")
    rm -f "$display"
}
