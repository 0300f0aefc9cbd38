#!/usr/bin/env bash
# Plays a whole exam run in the real trainer with the keyboard: after "出  题" has been clicked
# (the focus stays on "中  止"), five questions are answered with digits, Backspace, Space and
# Enter; then Space and Enter are pressed again and again over the report. The record list
# is read back through its "复制全部" menu entry: the header, five question lines and the whole
# report must all be there, each answer with the digit Backspace took back left out.
# Usage: keyboard_run.sh <abacus-trainer> <clipboard-text> [folder to keep the screenshot in]
set -u

trainer="$1"
clipboard_text="$2"
keep="${3:-}"

source "$(dirname "$0")/own_screen.sh"


source "$(dirname "$0")/trainer_process.sh"

find_main_window

# Clicks the middle of an element given by its twips rectangle inside the main window.
click_twips() {
    local button="$1" left="$2" top="$3" width="$4" height="$5"
    xdotool mousemove --window "$main" $(((left + width / 2) / 15)) $((menu_bar + (top + height / 2) / 15)) \
        click "$button"
    sleep 0.3
}

# Presses keys one by one, with time for the window to answer each.
press() {
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.2
    done
}

# Five questions: the question-count list Combo3 (600,1200 in the settings frame at 120,4560)
# is two items up from its preset "20"; a click on it opens the list.
click_twips 1 $((120 + 600)) $((4560 + 1200)) 900 405
press Up Up Return
# "出  题" sits at 4680,240 in the keypad frame at 2280,4560; the focus stays on it.
click_twips 1 $((2280 + 4680)) $((4560 + 240)) 1455 375
sleep 0.5

# Space and Enter with nothing typed, and keys that mean nothing, change nothing.
press space Return Tab Escape BackSpace
# 1, 2, taken back, 3: the answer 13, submitted with Space; then four more in other ways.
press 1 2 BackSpace 3 space
press 4 Return
press KP_5 KP_6 BackSpace KP_Enter
press 7 BackSpace 8 space
press 9 9 BackSpace BackSpace 2 Return
sleep 1

# Over the report: Space and Enter several times, as a child might.
press space Return space space Return Return space
sleep 0.5
import -window root "$work/keyboard-report.png"

# The record list fills the window from 0,0 to 8655,4620: right-click it and copy it all.
click_twips 3 0 0 8655 4620
press Down Return
sleep 0.5
list="$(timeout 10 "$clipboard_text")"

# The header, five question lines and the report's eleven written lines; its closing blank
# line is not counted.
lines="$(printf '%s\n' "$list" | grep -c .)"
[ "$lines" -eq 17 ] || fail "the record list holds $lines written lines, not 17"
printf '%s\n' "$list" | grep -q '^这是第1 次答题！由' || fail "the run's header line is missing"
for answer in 13 4 5 8 2; do
    printf '%s\n' "$list" | grep -q "=${answer} " || fail "no question line answered $answer"
done
for report in '你实际答题－－5道' '你总共答对－－' '你共用时间－－'; do
    printf '%s\n' "$list" | grep -q "^$report" || fail "the report line $report is missing"
done

kill -0 "$pid" 2>/dev/null || fail "the trainer ended by itself"
if [ -n "$keep" ]; then
    cp "$work"/*.png "$keep"/
fi

if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${failures[@]}"
    printf '%s\n' "$list"
    exit 1
fi
echo "a keyboard-only run kept its report through Space and Enter"
