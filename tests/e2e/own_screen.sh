# Sourced by the end-to-end checks: runs the sourcing script again on a virtual screen of its
# own, so that no other window can take its clicks, with a private runtime folder for Qt.
if [ -z "${ABACUS_E2E_SCREEN:-}" ]; then
    # The server picks a free screen number itself (no race with checks starting beside this
    # one) and never resets, so a client that comes and goes cannot break another's connection.
    screen_number="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$screen_number" \
        >/dev/null 2>&1 &
    screen_server=$!
    for _ in $(seq 100); do
        [ -s "$screen_number" ] && break
        sleep 0.1
    done
    if [ ! -s "$screen_number" ]; then
        echo "the virtual screen did not start" >&2
        kill "$screen_server" 2>/dev/null
        rm -f "$screen_number"
        exit 1
    fi
    DISPLAY=":$(head -n 1 "$screen_number")" ABACUS_E2E_SCREEN=1 "$0" "$@"
    status=$?
    kill "$screen_server" 2>/dev/null
    wait "$screen_server" 2>/dev/null
    rm -f "$screen_number"
    exit "$status"
fi
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d /tmp/abacus-runtime.XXXXXX)"
    chmod 0700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi
