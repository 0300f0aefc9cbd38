# Sourced by the end-to-end checks: a scratch folder, a list of failures, and the trainer
# started in the background ($pid), ended and cleaned up when the check exits. The trainer
# keeps its history in the scratch folder ($work/data).
work="$(mktemp -d)"
failures=()
fail() { failures+=("$1"); }

XDG_DATA_HOME="$work/data" "$trainer" >"$work/trainer.out" 2>"$work/trainer.err" &
pid=$!
finish() {
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

# Waits for a visible window with an exact title and prints its id.
wait_for_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# Sets $main to the trainer's main window, or ends the check when none is shown within 20 s.
find_main_window() {
    main="$(wait_for_window '^童趣星V1.0简化绿色版$')"
    if [ -z "$main" ]; then
        echo "FAIL: no visible window titled 童趣星V1.0简化绿色版 within 20 s"
        cat "$work/trainer.err"
        exit 1
    fi
    sleep 1
    # The menu bar stands above the design area: its height is what the window has beyond the
    # design's 487 pixels, and every design position lies that much lower in the window.
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$main")"
    menu_bar=$((HEIGHT - 487))
}

# Keeps the screenshots where asked, then ends the check with its failures, or with the
# message `$1` when there are none.
end_check() {
    if [ -n "$keep" ]; then
        cp "$work"/*.png "$keep"/
    fi
    if [ ${#failures[@]} -gt 0 ]; then
        printf 'FAIL: %s\n' "${failures[@]}"
        exit 1
    fi
    echo "$1"
}
