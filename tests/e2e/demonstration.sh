#!/usr/bin/env bash
# Plays a five-question run in the real trainer and presses "演示": the result row starts
# bare, a rhyme is written under the board mid-way, and at the end the row shows beads.
# Runs on a virtual screen of its own.
# Usage: demonstration.sh <abacus-trainer> [folder to keep the screenshots in]
set -u
trainer="$1"
keep="${2:-}"
source "$(dirname "$0")/own_screen.sh"
source "$(dirname "$0")/trainer_process.sh"

find_main_window

# Clicks the middle of a twips rectangle of the main window.
click_twips() {
    xdotool mousemove --window "$main" $((($1 + $3 / 2) / 15)) $((menu_bar + ($2 + $4 / 2) / 15)) click 1
    sleep 0.3
}
# Distinct colours in a twips rectangle of the main window on a screenshot.
colours_at() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$main")"
    convert "$1" -crop "$(($4 / 15))x$(($5 / 15))+$((X + $2 / 15))+$((Y + menu_bar + $3 / 15))" +repage \
        -format %k info:
}

# Five questions (Combo3, two items up from "20"), each answered with key 1 and "确定"; the
# settings frame and the keypad frame sit at 120,4560 and 2280,4560.
click_twips 720 5760 900 405
xdotool key Up Up Return
click_twips 6960 4800 1455 375
sleep 1
for _ in 1 2 3 4 5; do
    click_twips 3000 4800 1095 615
    click_twips 6240 4800 615 1815
done
sleep 1
click_twips 3000 6000 1095 615  # key 7, "演示"
# Right after the press, before the first one-second step, the board is up with its result
# row Picture3 (4730,1440) bare; the last step comes no sooner than two seconds in.
import -window root "$work/demonstration_start.png"
bare="$(colours_at "$work/demonstration_start.png" 4730 1440 1815 1095)"
sleep 1.2
import -window root "$work/demonstration_midway.png"
# From the first step on, its rhyme stands under the board at 1000,3700.
rhyme="$(colours_at "$work/demonstration_midway.png" 1000 3700 2600 420)"
[ "$rhyme" -ge 8 ] || fail "no rhyme written under the board mid-way ($rhyme colours)"
sleep 7
import -window root "$work/demonstration_done.png"
done_row="$(colours_at "$work/demonstration_done.png" 4730 1440 1815 1095)"
[ "$done_row" -gt "$bare" ] || fail "no beads on the result row ($bare colours, then $done_row)"

kill -0 "$pid" 2>/dev/null || fail "the trainer ended by itself"
end_check "a demonstration played on the board with its rhymes and result"
