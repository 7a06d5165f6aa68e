#!/usr/bin/env bash
# The web page on a tablet's screen: Chromium on an X server of its own,
# the page driven by touches sent through Chromium's DevTools protocol and
# by real keys (xdotool, through the browser as a keyboard's would go).
# usage: run.sh SITE/ravelinta.html TOOLS   (TOOLS: the folder where ./dev
# installed puppeteer-core from this folder's package.json)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
page=$1
tools=$2
for tool in Xvfb xdotool chromium node; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -d "$tools/node_modules/puppeteer-core" ] || { echo "SKIP: puppeteer-core is not in $tools (./dev test web installs it)"; exit 77; }
xvfb= browser=
stop() {
    [ -n "$browser" ] && { kill "$browser" 2>/dev/null; wait "$browser" 2>/dev/null || true; }
    [ -n "$xvfb" ] && { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true; }
    rm -f "$display_file"
}
display_file=$(mktemp)
trap stop EXIT
# A tablet's screen, 1024 x 768.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
done
export DISPLAY=:$(cat "$display_file")
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
RAVELINTA_DEVTOOLS_PORT=$port "$here/../chromium-run.sh" "$page" >/dev/null 2>&1 &
browser=$!
NODE_PATH=$tools/node_modules node "$here/touch-test.cjs" "$port"
