#!/usr/bin/env bash
# Start-up of the Windows program under Wine beside the Linux program, in one
# run on one Xvfb: from exec to the window shown (xdotool sees it mapped),
# alternating, the median of N runs each. Wine's own start (its server and
# desktop) is counted for the first run only; the others find them running,
# as on a machine where Wine is in use.
# usage: startup_windows.sh LINUX_PROGRAM WINDOWS_PROGRAM [RUNS]
set -euo pipefail
linux=$1 windows=$2 runs=${3:-5}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=bench/own-display.sh
source "$here/../../bench/own-display.sh"
stop_also='/usr/lib/wine/wineserver -k'
own_display 640x480

# Milliseconds from exec to the window shown.
shown() {
    local start end pid
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    # xdotool's own --sync looks only twice a second.
    until xdotool search --onlyvisible --name '^ravelinta[.]org ' >/dev/null 2>&1; do sleep 0.01; done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

/usr/lib/wine/wineserver -k 2>/dev/null || true
first=$(shown "$here/wine-run.sh" "$windows")
wine=() native=()
for _ in $(seq "$runs"); do
    native+=("$(QT_QPA_PLATFORM=xcb shown "$linux")")
    # wine-run.sh starts Wine afresh for a window on a display; this keeps it running.
    wine+=("$(WINEPREFIX=$RAVELINTA_WINEPREFIX WINEDEBUG=-all shown /usr/lib/wine/wine64 "$windows")")
done
echo "start-up, exec to window shown, median of $runs (ms): Linux $(printf '%s\n' "${native[@]}" | median)," \
     "Windows under Wine $(printf '%s\n' "${wine[@]}" | median) (first, with Wine's own start: $first)"
