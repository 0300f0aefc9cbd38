#!/usr/bin/env bash
# Starts the real trainer, opens the practice room from the menu bar with the keyboard, flashes
# one chain of five numbers, answers it with the keyboard and finds the chain stored in the
# history. Runs itself on a virtual screen of its own.
# Usage: flash_drill.sh <abacus-trainer> <abacus-replay> [folder to keep the screenshots in]
set -u

trainer="$1"
replay="$2"
keep="${3:-}"

source "$(dirname "$0")/own_screen.sh"

room_title='^练习室 · 闪电心算$'

source "$(dirname "$0")/trainer_process.sh"

find_main_window

# "练习(&L)" is the bar's first menu: Alt+L opens it, Return takes its first item.
room=""
for _ in 1 2 3; do
    xdotool windowfocus --sync "$main" key alt+l
    sleep 0.5
    xdotool key Return
    room="$(timeout 5 xdotool search --sync --onlyvisible --name "$room_title" 2>/dev/null | head -n 1)"
    [ -n "$room" ] && break
done
[ -n "$room" ] || { fail "no practice room after 练习 → 闪电心算…"; end_check ""; }
import -window root "$work/room.png"

# "开  始" (Command1) sits at 7680,720, size 1800x495 twips in the room.
xdotool mousemove --window "$room" $(((7680 + 900) / 15)) $(((720 + 247) / 15)) click 1
# "预备" for a second and five numbers of a second each, then "？" with the focus on the box.
sleep 2.5
import -window root "$work/flashing.png"
sleep 5
xdotool type --window "$room" 9
xdotool key --window "$room" Return
sleep 1
import -window root "$work/answered.png"
kill "$pid"
wait "$pid" 2>/dev/null

history="$work/data/abacus-trainer/history.sqlite3"
drills="$(printf 'history %s\nprint drills\n' "$history" | "$replay")"
[ "$(echo "$drills" | head -n 1)" = "drills 1" ] || fail "the history holds '$drills'"
echo "$drills" | tail -n 1 | grep -qP '^豆 豆\t.*\t闪电心算\t1\t5\t1\.0\t只加\t看数\t\d(\+\d){4}\t9\t[01]\t\d+$' ||
    fail "the stored chain reads '$(echo "$drills" | tail -n 1)'"
end_check "a chain flashed in the practice room, answered with the keyboard and stored"
