#!/usr/bin/env bash
# Plays a whole exam run in the real trainer: chooses five questions, presses "出  题",
# answers three questions by clicks on the keypad and "确定" and two by the keyboard, and
# checks that the report comes up in the record list. Runs itself on a virtual screen of its
# own, so that no other window can take its clicks.
# Usage: exam_run.sh <abacus-trainer> [folder to keep the screenshots in]
set -u

trainer="$1"
keep="${2:-}"

source "$(dirname "$0")/own_screen.sh"

list_colour='rgb(255,192,192)'  # the record list's back colour

source "$(dirname "$0")/trainer_process.sh"

find_main_window

# Clicks the middle of an element given by its twips rectangle inside the main window.
click_twips() {
    local left="$1" top="$2" width="$3" height="$4"
    xdotool mousemove --window "$main" $(((left + width / 2) / 15)) $((menu_bar + (top + height / 2) / 15)) \
        click 1
    sleep 0.3
}

# The keypad frame Frame1 sits at 2280,4560 and the settings frame Frame4 at 120,4560.
click_key_one() { click_twips $((2280 + 720)) $((4560 + 240)) 1095 615; }
click_answer_button() { click_twips $((2280 + 3960)) $((4560 + 240)) 615 1815; }
click_run_button() { click_twips $((2280 + 4680)) $((4560 + 240)) 1455 375; }

# Share of the record list's area, 0,0 to 8655,4620 twips, painted in the list's back colour.
list_share() {
    local shot="$1" X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$main")"
    convert "$shot" -crop "$((8655 / 15))x$((4620 / 15))+${X}+$((Y + menu_bar))" +repage \
        -fill black -opaque white -fill white -opaque "$list_colour" -fill black +opaque white \
        -format '%[fx:mean]' info:
}

# Five questions: the question-count list Combo3 (600,1200 in Frame4) is two items up from
# its preset "20": a click on it opens the list, where the arrow keys and Return pick an item.
click_twips $((120 + 600)) $((4560 + 1200)) 900 405
xdotool key Up Up Return
sleep 0.3

click_run_button
sleep 1
import -window root "$work/question.png"
share="$(list_share "$work/question.png")"
awk "BEGIN { exit !($share < 0.05) }" || fail "the record list shows during the run ($share)"

for _ in 1 2 3; do
    click_key_one
    click_answer_button
done
# The keyboard: a digit of the main row and Enter; a digit of the number pad and its Enter.
xdotool key 2 Return
sleep 0.3
xdotool key KP_3 KP_Enter
sleep 1

import -window root "$work/report.png"
share="$(list_share "$work/report.png")"
awk "BEGIN { exit !($share > 0.5) }" ||
    fail "no report in the record list after five answers (list colour on $share of its area)"

kill -0 "$pid" 2>/dev/null || fail "the trainer ended by itself"
history="$work/data/abacus-trainer/history.sqlite3"
[ "$(stat -c %a "$history" 2>/dev/null)" = "600" ] ||
    fail "no history file of mode 0600 at $history after the run"
grep -qaF "豆 豆" "$history" "$history-wal" 2>/dev/null ||
    fail "the run of 豆 豆 is not in the history file"
end_check "exam run of five questions played and its report shown"
