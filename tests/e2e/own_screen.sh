# Sourced by the end-to-end checks: runs the sourcing script again on a virtual screen of its
# own, so that no other window can take its clicks, with a private runtime folder for Qt.
if [ -z "${ABACUS_E2E_SCREEN:-}" ]; then
    # Looking for a free screen number from a point of its own keeps parallel runs apart.
    ABACUS_E2E_SCREEN=1 exec xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24" \
        "$0" "$@"
fi
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d /tmp/abacus-runtime.XXXXXX)"
    chmod 0700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi
