#!/usr/bin/env bash
# Starts the real trainer with an empty data folder: the history file is made once the window
# is painted, readable by its user only; the record list's right-click item "学习记录…" opens
# the history window, which closes with Escape, and the name box's "选择学习者…" opens the
# learners list. Runs itself on a virtual screen of its own.
# Usage: history_windows.sh <abacus-trainer> [folder to keep the screenshots in]
set -u

trainer="$1"
keep="${2:-}"

source "$(dirname "$0")/own_screen.sh"

history_title='^学习记录 — 豆 豆$'
learners_title='^选择学习者$'

source "$(dirname "$0")/trainer_process.sh"

find_main_window

history="$work/data/abacus-trainer/history.sqlite3"
[ "$(stat -c %a "$history" 2>/dev/null)" = "600" ] ||
    fail "no history file of mode 0600 at $history once the window is painted"

# Right-clicks the middle of an element given by its twips rectangle in the main window,
# chooses the menu item `ups` places up from the menu's end and prints the id of the window
# titled `title` that it opens; a slow screen gets three tries.
open_from_menu() {
    local left="$1" top="$2" width="$3" height="$4" ups="$5" title="$6" opened
    for _ in 1 2 3; do
        xdotool mousemove --window "$main" $(((left + width / 2) / 15)) \
            $((menu_bar + (top + height / 2) / 15)) click 3
        sleep 1.5
        for _ in $(seq "$ups"); do xdotool key Up; done
        xdotool key Return
        opened="$(timeout 10 xdotool search --sync --onlyvisible --name "$title" 2>/dev/null | head -n 1)"
        if [ -n "$opened" ]; then
            echo "$opened"
            return
        fi
        xdotool key Escape
    done
}

# Key 9 "查看" sits at 2880,1440 in the keypad frame at 2280,4560; the list at 0,0.
xdotool mousemove --window "$main" $(((2280 + 2880 + 1095 / 2) / 15)) \
    $((menu_bar + (4560 + 1440 + 615 / 2) / 15)) click 1
sleep 0.5
window="$(open_from_menu 0 0 8655 4620 2 "$history_title")"
if [ -z "$window" ]; then
    fail "no window titled 学习记录 — 豆 豆 from the record list's menu"
else
    sleep 1
    import -window root "$work/history-empty.png"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) click 1 sleep 0.5 key Escape
    sleep 1
    xdotool search --onlyvisible --name "$history_title" >/dev/null &&
        fail "the history window stays open after Escape"
fi

# Back to the board, then the name box Text1 at 840,720 in the frame at 0,0.
xdotool mousemove --window "$main" $(((2280 + 2880 + 1095 / 2) / 15)) \
    $((menu_bar + (4560 + 1440 + 615 / 2) / 15)) click 1
sleep 0.5
[ -n "$(open_from_menu 840 720 1500 375 1 "$learners_title")" ] ||
    fail "no window titled 选择学习者 from the name box's menu"
import -window root "$work/learners-empty.png"

kill -0 "$pid" 2>/dev/null || fail "the trainer ended by itself"
end_check "history file made after the first paint and the history windows opened from the menus"
