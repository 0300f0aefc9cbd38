#!/usr/bin/env bash
# Plays a five-question run in the real trainer, presses "演示" and watches the last question
# played on the board: mid-way a rhyme is written under the board and the result row is still
# bare; at the end the result row shows beads. Runs itself on a virtual screen of its own, so that no other window can take
# its clicks.
# Usage: demonstration.sh <abacus-trainer> [folder to keep the screenshots in]
set -u

trainer="$1"
keep="${2:-}"

source "$(dirname "$0")/own_screen.sh"

main_title='^童趣星V1.0简化绿色版$'

source "$(dirname "$0")/trainer_process.sh"

main="$(timeout 20 xdotool search --sync --onlyvisible --name "$main_title" 2>/dev/null | head -n 1)"
if [ -z "$main" ]; then
    echo "FAIL: no visible window titled 童趣星V1.0简化绿色版 within 20 s"
    cat "$work/trainer.err"
    exit 1
fi
sleep 1

# Distinct colours in a twips rectangle of the main window on a screenshot.
colours_at() {
    local shot="$1" left="$2" top="$3" width="$4" height="$5" X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$main")"
    convert "$shot" -crop "$((width / 15))x$((height / 15))+$((X + left / 15))+$((Y + top / 15))" \
        +repage -format %k info:
}

# Clicks the middle of an element given by its twips rectangle inside the main window.
click_twips() {
    local left="$1" top="$2" width="$3" height="$4"
    xdotool mousemove --window "$main" $(((left + width / 2) / 15)) $(((top + height / 2) / 15)) \
        click 1
    sleep 0.3
}

# Five questions (Combo3 in Frame4 at 120,4560, two items up from "20"), each answered "1"
# with key 1 and "确定"; the keypad Frame1 sits at 2280,4560.
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

# Key 7, "演示" once the run is over.
click_twips $((2280 + 720)) $((4560 + 1440)) 1095 615
sleep 1.5
import -window root "$work/demonstration_midway.png"
# The rhyme under the board, from 1000,3700; the result row Picture3 at 4730,1440.
rhyme="$(colours_at "$work/demonstration_midway.png" 1000 3700 2600 420)"
[ "$rhyme" -ge 8 ] || fail "no rhyme written under the board mid-way ($rhyme colours)"
bare="$(colours_at "$work/demonstration_midway.png" 4730 1440 1815 1095)"

sleep 7
import -window root "$work/demonstration_done.png"
done_row="$(colours_at "$work/demonstration_done.png" 4730 1440 1815 1095)"
[ "$done_row" -gt "$bare" ] ||
    fail "the result row shows no beads at the end ($bare colours mid-way, $done_row after)"

kill -0 "$pid" 2>/dev/null || fail "the trainer ended by itself"
if [ -n "$keep" ]; then
    cp "$work"/*.png "$keep"/
fi

if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${failures[@]}"
    exit 1
fi
echo "a demonstration played on the board with its rhymes and result"
