# Qt for WebAssembly, with Debian's emscripten (about 10 minutes on two
# cores). Qt's configure looks for an SDK laid out as emsdk makes it: $EMSDK
# holding .emscripten, which names upstream/emscripten, where emcc, em++ and
# emscripten's CMake files are. Debian installs them elsewhere, so a folder
# of links in that shape stands in for the SDK.
# Sourced by ../build-qt.sh, which gives $cache; ../../dev sources it too.
export EMSDK=$cache/emsdk-debian
if [ ! -f "$EMSDK/.emscripten" ]; then
    mkdir -p "$EMSDK/upstream/emscripten"
    ln -sfn /usr/bin/emcc "$EMSDK/upstream/emscripten/emcc"
    ln -sfn /usr/bin/em++ "$EMSDK/upstream/emscripten/em++"
    ln -sfn /usr/share/emscripten/cmake "$EMSDK/upstream/emscripten/cmake"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"
fi
# Emscripten's CMake files find the compiler through $EMSCRIPTEN, not the links.
export EMSCRIPTEN=/usr/share/emscripten
# The link step runs emscripten's JavaScript tools, which need Debian's
# node-acorn; a node that is not Debian's does not look where it lives.
export NODE_PATH=/usr/share/nodejs
configure_args=(-DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten)
