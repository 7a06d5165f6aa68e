#!/usr/bin/env bash
# Opens the web page in Debian's Chromium as the tests need it: served from
# 127.0.0.1 by Python's own web server, full screen on the X display
# ($DISPLAY) in a fresh profile, with WebGL drawn in software. The browser's
# languages are Bulgarian: the first is the program's locale.
# RAVELINTA_DEVTOOLS_PORT, if set, opens Chromium's DevTools protocol on
# that port of 127.0.0.1, for a test that sends touches through it.
# usage: chromium-run.sh SITE/ravelinta.html
set -euo pipefail
page=$1
profile=$(mktemp -d)
server_log=$(mktemp)
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$(dirname "$page")" >"$server_log" 2>&1 &
server=$!
browser=
stop() {
    kill $browser $server 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$profile" "$server_log"
}
trap stop EXIT
trap 'exit 143' TERM INT
port=
for _ in $(seq 100); do
    port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$server_log")
    [ -n "$port" ] && break
    sleep 0.05
done
[ -n "$port" ] || { echo "the web server did not start" >&2; exit 1; }
# Root needs --no-sandbox; WebGL without a GPU needs SwiftShader; --test-type
# keeps the warning bar about such flags off the page.
# Kiosk mode leaves the window its size where no window manager makes it
# full screen: it is given the screen's size.
read -r width height < <(xdotool getdisplaygeometry)
chromium --no-sandbox --use-angle=swiftshader --enable-unsafe-swiftshader --user-data-dir="$profile" \
    --kiosk --window-position=0,0 --window-size="$width,$height" --accept-lang=bg-BG,bg \
    --disable-features=Translate --no-first-run --no-default-browser-check --noerrdialogs \
    --disable-background-networking --disable-component-update --password-store=basic --test-type \
    ${RAVELINTA_DEVTOOLS_PORT:+--remote-debugging-port="$RAVELINTA_DEVTOOLS_PORT"} \
    "http://127.0.0.1:$port/$(basename "$page")" &
browser=$!
wait $browser
