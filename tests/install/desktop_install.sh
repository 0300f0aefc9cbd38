#!/usr/bin/env bash
# Installs the build tree under /usr inside a scratch folder and checks what a desktop finds
# there: exactly the program, its modules, its entry, its description and its icons; the entry
# and the description pass the desktop's own validators; every icon has the size its folder
# names; the installed program starts without the sound and print libraries and loads its
# sound module from its own folder once its window is painted.
# Usage: desktop_install.sh <build folder> <application id> <module folder under /usr>
set -u
build="$1"
id="$2"
module_folder="$3"
source "$(dirname "$0")/install_checks.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install failed"
    exit 1
fi
usr="$work/root/usr"

unexpected="$(diff <(installed_files "$id" "$module_folder") <(cd "$usr" && find . ! -type d | sed 's|^\./||' | sort))"
[ -z "$unexpected" ] || fail "installed files differ from the expected ones:"$'\n'"$unexpected"
[ -x "$usr/bin/abacus-trainer" ] || fail "the installed trainer is not executable"

# The libraries that only the modules may bring, as the dynamic linker names them.
late_libraries='libsndfile|libasound|libespeak|libQt6PrintSupport|libFLAC|libvorbis|libopus|libmpg123|libmp3lame'
linked="$(readelf -d "$usr/bin/abacus-trainer" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')"
grep -qE "$late_libraries" <<<"$linked" &&
    fail "the program itself links $(grep -E "$late_libraries" <<<"$linked" | tr '\n' ' ')"

# The installed program, started on a screen of its own, maps its sound module from the
# installed folder soon after its first paint, and never a module of the build folder.
QT_QPA_PLATFORM=offscreen "$usr/bin/abacus-trainer" >"$work/trainer.out" 2>&1 &
trainer=$!
sound_module="$usr/$module_folder/libabacus-sound.so"
for _ in $(seq 100); do
    grep -qF "$sound_module" "/proc/$trainer/maps" 2>/dev/null && break
    sleep 0.1
done
maps="$(cat "/proc/$trainer/maps" 2>/dev/null)"
kill "$trainer" 2>/dev/null
wait "$trainer" 2>/dev/null
grep -qF "$sound_module" <<<"$maps" ||
    fail "the installed program did not load $sound_module within 10 s"
grep -qF "$build" <<<"$maps" && fail "the installed program mapped a file of the build folder"

entry="$usr/share/applications/$id.desktop"
if [ -f "$entry" ]; then
    if ! verdict="$(desktop-file-validate "$entry" 2>&1)" || [ -n "$verdict" ]; then
        fail "desktop-file-validate: $verdict"
    fi
    grep -qx "Exec=abacus-trainer" "$entry" || fail "the entry does not start abacus-trainer"
    grep -qx "Icon=$id" "$entry" || fail "the entry does not name the icon $id"
fi

metainfo="$usr/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >"$work/metainfo.log" 2>&1 ||
        fail "appstreamcli validate: $(cat "$work/metainfo.log")"
    # The tree check also finds the entry that the description names as its launchable.
    appstreamcli validate-tree --no-net "$usr" >"$work/tree.log" 2>&1 ||
        fail "appstreamcli validate-tree: $(cat "$work/tree.log")"
fi

for size in "${icon_sizes[@]}"; do
    icon="$usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$icon" ] || continue
    shape="$(identify -format '%m %wx%h alpha=%A' "$icon" 2>&1)"
    [ "$shape" = "PNG ${size}x${size} alpha=True" ] ||
        fail "$size px icon is '$shape', not a ${size}x${size} PNG with transparency"
    # Share of opaque pixels: none would be an empty picture, all a lost background.
    coverage="$(convert "$icon" -alpha extract -format '%[fx:mean]' info:)"
    awk -v c="$coverage" 'BEGIN { exit !(c > 0.3 && c < 0.95) }' ||
        fail "$size px icon covers $coverage of its square"
done

report "installed entry, description and icons checked"
