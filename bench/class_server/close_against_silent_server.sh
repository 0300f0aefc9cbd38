#!/usr/bin/env bash
# The real trainer closed while the class server it sends to has gone silent in the middle of a
# send: prints the seconds from the answer to the quit question to the end of the process
# (goal: under 3 s) and how many of the waiting records the outbox kept.
# Usage: close_against_silent_server.sh <abacus-trainer> <silent_class_server>
set -u

trainer="$1"
helper="$2"

source "$(dirname "$0")/../../tests/e2e/own_screen.sh"

work="$(mktemp -d)"
mkfifo "$work/control"
"$helper" "$work/data" <"$work/control" >"$work/helper.out" 2>"$work/helper.err" &
helper_pid=$!
exec 3>"$work/control"
pid=""
finish() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    exec 3>&-
    wait "$helper_pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

# Waits up to `$2` seconds for the helper to print the line `$1`.
wait_for_helper() {
    for _ in $(seq $(($2 * 10))); do
        grep -qx "$1" "$work/helper.out" && return 0
        sleep 0.1
    done
    echo "the helper did not say \"$1\" within $2 s: $(cat "$work/helper.err")" >&2
    exit 1
}

wait_for_helper ready 120
XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
    "$trainer" >"$work/trainer.out" 2>"$work/trainer.err" &
pid=$!
main="$(timeout 20 xdotool search --sync --onlyvisible --name '^童趣星V1.0简化绿色版$' | head -n 1)"
if [ -z "$main" ]; then
    echo "no trainer window within 20 s" >&2
    exit 1
fi
# The sender starts three seconds after the history opens and goes silent in its first INSERT.
wait_for_helper silent 30
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_bar=$((HEIGHT - 487))
# "关闭" (Command3, 3960,240, 615x1815 twips in Frame1 at 2280,4560) asks the quit question.
xdotool mousemove --window "$main" $(((2280 + 3960 + 615 / 2) / 15)) \
    $((menu_bar + (4560 + 240 + 1815 / 2) / 15)) click 1
question="$(timeout 20 xdotool search --sync --onlyvisible --name '^童趣星$' | head -n 1)"
if [ -z "$question" ]; then
    echo "no quit question after a click on 关闭" >&2
    exit 1
fi
xdotool windowfocus --sync "$question"
start=$(date +%s.%N)
xdotool key Return
for _ in $(seq 600); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
done
end=$(date +%s.%N)
if kill -0 "$pid" 2>/dev/null; then
    echo "close to exit against a silent class server: still running after 6 s (goal: under 3 s)"
else
    wait "$pid"
    pid=""
    echo "close to exit against a silent class server: $(awk "BEGIN { printf \"%.2f\", $end - $start }") s (goal: under 3 s)"
fi
exec 3>&-
wait "$helper_pid"
echo "records kept in the outbox: $(sed -n 's/^outbox //p' "$work/helper.out") of 3"
