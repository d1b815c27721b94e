# Shared by scripts/test and scripts/play: a virtual display when there is none and one
# persistent wineserver, both stopped when the calling script exits.
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

session_xvfb_pid=

stop_session() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$session_xvfb_pid" ]; then
        kill "$session_xvfb_pid" >/dev/null 2>&1 || true
        wait "$session_xvfb_pid" 2>/dev/null || true
    fi
}

start_session() {
    trap stop_session EXIT
    if [ -z "${DISPLAY:-}" ]; then
        local n=99
        while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        session_xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    fi
    wineserver -p </dev/null >/dev/null 2>&1
    # Start Wine's own long-lived processes (services, desktop) now, detached from our
    # output: started by the first test, they would keep ctest's pipes open until timeout.
    wine wineboot </dev/null >/dev/null 2>&1 || true
}
