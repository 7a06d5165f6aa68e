#!/usr/bin/env bash
# The web page's load beside the desktop program's start-up, in one run on
# one Xvfb as large as the window: from the start (of Chromium with the
# page, or of the program) to the dial on the screen, found by its colour
# in a screenshot; the median of N runs each. The page's time includes
# Chromium's own start and a fresh profile, as a first visit has.
# usage: startup_web.sh LINUX_PROGRAM SITE/ravelinta.html [RUNS]
set -euo pipefail
linux=$1 page=$2 runs=${3:-5}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=bench/own-display.sh
source "$here/../../bench/own-display.sh"
own_display 489x431

# Milliseconds from the start to the dial's blue inside its border, at
# (30, 60) of the screen, where the window fills it or stands at its corner.
dial_shown() {
    local start end pid
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until import -window root -crop 1x1+30+60 txt:- 2>/dev/null | grep -q 'srgb(128,128,255)'; do sleep 0.02; done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

web=() native=()
for _ in $(seq "$runs"); do
    native+=("$(QT_QPA_PLATFORM=xcb dial_shown "$linux")")
    web+=("$(dial_shown "$here/chromium-run.sh" "$page")")
done
echo "start to the dial shown, median of $runs (ms): Linux program $(printf '%s\n' "${native[@]}" | median)," \
     "web page in Chromium $(printf '%s\n' "${web[@]}" | median)"
