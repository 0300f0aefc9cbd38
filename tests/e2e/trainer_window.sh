#!/usr/bin/env bash
# Starts the real trainer, checks that its main window is drawn at the design size, clicks
# "说明" and waits for the about box. Runs itself on a virtual screen of its own, so that no
# other window can take its clicks.
# Usage: trainer_window.sh <abacus-trainer> [folder to keep the screenshots in]
set -u

trainer="$1"
keep="${2:-}"

source "$(dirname "$0")/own_screen.sh"

about_title='^欢迎使用$'
min_colours=100  # a drawn window has anti-aliased text; an empty one a handful of colours

source "$(dirname "$0")/trainer_process.sh"

# Distinct colours inside the window's rectangle of a screenshot.
colours_in() {
    local shot="$1" window="$2"
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -format %k info:
}

find_main_window

eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 579 ] && [ "$menu_bar" -gt 10 ] && [ "$menu_bar" -lt 60 ] ||
    fail "main window is ${WIDTH}x${HEIGHT}, not 579 wide with a menu bar above 579x487"
import -window root "$work/trainer.png"
colours="$(colours_in "$work/trainer.png" "$main")"
[ "$colours" -ge "$min_colours" ] || fail "main window shows only $colours colours"

# The icon is painted after the first paint; the window manager must have it by now.
xprop -id "$main" _NET_WM_ICON | grep -q "Icon (32 x 32)" || fail "the main window has no 32x32 icon"

# "说明" is Label31 at 8270,360, size 345x615 twips, inside Frame2 at 0,0.
xdotool mousemove --window "$main" $(((8270 + 345 / 2) / 15)) $((menu_bar + (360 + 615 / 2) / 15)) click 1
about="$(wait_for_window "$about_title")"
if [ -z "$about" ]; then
    fail "no about box titled 欢迎使用 after a click on 说明"
else
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$about")"
    [ "$WIDTH" = 387 ] && [ "$HEIGHT" = 230 ] || fail "about box is ${WIDTH}x${HEIGHT}, not 387x230"
    import -window root "$work/about.png"
    colours="$(colours_in "$work/about.png" "$about")"
    [ "$colours" -ge "$min_colours" ] || fail "about box shows only $colours colours"
fi

kill -0 "$pid" 2>/dev/null || fail "the trainer ended by itself"
end_check "trainer window and about box checked"
