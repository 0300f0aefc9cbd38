#!/usr/bin/env bash
# Starts the real trainer with a sound device that stalls (a pipe that nobody reads), clicks
# the sound button eight times, checks that the clock label still moves and that the
# trainer still closes at once. Runs itself on a virtual screen of its own, so that no other
# window can take its clicks.
# Usage: stalled_sound.sh <abacus-trainer> [folder to keep the screenshots in]
set -u

trainer="$1"
keep="${2:-}"

source "$(dirname "$0")/own_screen.sh"

main_title='^童趣星V1.0简化绿色版$'
question_title='^童趣星$'

work="$(mktemp -d)"
failures=()
fail() { failures+=("$1"); }

# The default device writes WAVE data into a pipe; holding the pipe open here without ever
# reading lets the first clips in and then blocks the device's writes for good.
mkfifo "$work/device.fifo"
cat >"$work/asound.conf" <<EOF
pcm.!default {
    type file
    slave.pcm { type null }
    format "wav"
    file "$work/device.fifo"
}
EOF
exec 3<>"$work/device.fifo"
export ALSA_CONFIG_PATH="$work/asound.conf"

"$trainer" >"$work/trainer.out" 2>"$work/trainer.err" 3>&- &
pid=$!
finish() {
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exec 3>&-
    rm -rf "$work"
}
trap finish EXIT

# Waits for a visible window with an exact title and prints its id.
wait_for_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# Clicks the middle of a rectangle given in twips inside the main window.
click_twips() {
    local left="$1" top="$2" width="$3" height="$4"
    xdotool mousemove --window "$main" $(((left + width / 2) / 15)) $((menu_bar + (top + height / 2) / 15)) \
        click 1
}

# Saves the part of the screen where Label10 (7560,1440, 1335x495 twips) shows the clock.
shoot_clock() {
    # shellcheck disable=SC2034  # all of them are set by the eval
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$main")"
    import -window root -crop "89x33+$((X + 7560 / 15))+$((Y + menu_bar + 1440 / 15))" +repage "$1"
}

main="$(wait_for_window "$main_title")"
if [ -z "$main" ]; then
    echo "FAIL: no visible window titled 童趣星V1.0简化绿色版 within 20 s"
    cat "$work/trainer.err"
    exit 1
fi
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_bar=$((HEIGHT - 487))  # the menu bar above the design area

# Command5 sits at 4680,960 (1455x375 twips) in the keypad frame Frame1 at 2280,4560; every
# second click switches cues on again and plays clip 109.
for _ in $(seq 8); do
    click_twips $((2280 + 4680)) $((4560 + 960)) 1455 375
    sleep 0.4
done

if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the trainer ended during the clicks"
    cat "$work/trainer.err"
    exit 1
fi
grep -qs pipe_write /proc/"$pid"/task/*/wchan ||
    fail "no thread of the trainer is held writing to the sound pipe"

shoot_clock "$work/clock-before.png"
sleep 2.5
shoot_clock "$work/clock-after.png"
changed="$(compare -metric AE "$work/clock-before.png" "$work/clock-after.png" null: 2>&1)"
[ "${changed%% *}" != 0 ] || fail "the clock in Label10 stood still for 2.5 s after the clicks"
[ -s "$work/trainer.err" ] && fail "the trainer printed: $(head -c 300 "$work/trainer.err")"

# "关闭" (Command3, 3960,240, 615x1815 twips in Frame1) asks the quit question; Yes ends it.
click_twips $((2280 + 3960)) $((4560 + 240)) 615 1815
question="$(wait_for_window "$question_title")"
if [ -z "$question" ]; then
    fail "no quit question after a click on 关闭"
else
    xdotool windowfocus --sync "$question" key Return
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the trainer still runs 5 s after the quit question was answered"
    else
        wait "$pid"
        status=$?
        [ "$status" = 0 ] || fail "the trainer ended with status $status"
    fi
fi

if [ -n "$keep" ]; then
    cp "$work"/*.png "$keep"/
fi

if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${failures[@]}"
    exit 1
fi
echo "clock kept running with the sound device stalled, and the trainer closed"
