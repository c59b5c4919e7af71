# Shared by the scripts: paths, Wine's environment and a virtual display.
ROOT=$(cd "$(dirname "$0")/.." && pwd)
WIN_BUILD="$ROOT/build/windows"
NATIVE_BUILD="$ROOT/build/native"
export WINEPREFIX="$WIN_BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

XVFB_PID=""
# Starts Xvfb on a free display at 1920 x 1080 when there is no display.
ensure_display() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ]; do
        i=$((i + 1))
        if [ "$i" -gt 100 ]; then echo "Xvfb did not start" >&2; return 1; fi
        sleep 0.1
    done
    export DISPLAY=":$n"
}

stop_display() {
    if [ -d "$WINEPREFIX" ]; then wineserver -k >/dev/null 2>&1 || true; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; XVFB_PID=""; fi
}
