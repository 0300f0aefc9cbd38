#!/usr/bin/env bash
# Finishes an exam run in the real trainer while another trainer holds the history file, then
# sends the trainer SIGTERM, as a desktop logging out does: the trainer ends, and the run it
# could not store waits in the journal beside the history, which the next start stores.
# Usage: terminate_signal.sh <abacus-trainer> <hold_history_lock> <abacus-replay>
set -u

trainer="$1"
holder="$2"
replay="$3"
keep=""

source "$(dirname "$0")/own_screen.sh"
source "$(dirname "$0")/trainer_process.sh"

find_main_window

history="$work/data/abacus-trainer/history.sqlite3"
for _ in $(seq 100); do
    [ -s "$history" ] && break
    sleep 0.1
done
[ -s "$history" ] || { echo "FAIL: no history file at $history"; exit 1; }

"$holder" "$history" >"$work/holder.out" &
holder_pid=$!
for _ in $(seq 100); do
    grep -q held "$work/holder.out" 2>/dev/null && break
    sleep 0.1
done
grep -q held "$work/holder.out" || { echo "FAIL: the history file could not be held"; exit 1; }

# Clicks the middle of an element given by its twips rectangle inside the main window.
click_twips() {
    local left="$1" top="$2" width="$3" height="$4"
    xdotool mousemove --window "$main" $(((left + width / 2) / 15)) $((menu_bar + (top + height / 2) / 15)) \
        click 1
    sleep 0.3
}

# Five questions (Combo3 two items up from "20"), each answered 1 with the keypad and "确定".
click_twips $((120 + 600)) $((4560 + 1200)) 900 405
xdotool key Up Up
sleep 0.3
click_twips $((2280 + 4680)) $((4560 + 240)) 1455 375
sleep 1
for _ in 1 2 3 4 5; do
    click_twips $((2280 + 720)) $((4560 + 240)) 1095 615
    click_twips $((2280 + 3960)) $((4560 + 240)) 615 1815
done
sleep 1

kill -TERM "$pid"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the trainer did not end on SIGTERM"
wait "$pid" 2>/dev/null
grep -qF "暂存在“history.sqlite3.queued”中" "$work/trainer.err" ||
    fail "the trainer did not say it journaled the run: $(cat "$work/trainer.err")"
[ "$(stat -c %a "$history.queued" 2>/dev/null)" = "600" ] ||
    fail "no journal of mode 0600 beside the history"
kill "$holder_pid" 2>/dev/null
wait "$holder_pid" 2>/dev/null

# The next start stores the journaled run in the history and removes the journal.
stored="$(printf 'history %s\nprint dialogs\nprint history\n' "$history" | "$replay")"
grep -qF "上次关闭时有1条记录暂存在“history.sqlite3.queued”中，现已存入学习记录。" <<<"$stored" ||
    fail "the next start did not store the journal: $stored"
grep -qx "history 1" <<<"$stored" || fail "the history does not hold the one run: $stored"
[ -e "$history.queued" ] && fail "the journal was kept after it was stored"
end_check "a run held out by another trainer journaled on SIGTERM and stored at the next start"
