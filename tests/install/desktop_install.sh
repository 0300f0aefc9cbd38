#!/usr/bin/env bash
# Installs the build tree under /usr inside a scratch folder and checks what a desktop finds
# there: exactly the program, its entry, its description and its icons; the entry and the
# description pass the desktop's own validators; every icon has the size its folder names.
# Usage: desktop_install.sh <build folder> <application id>
set -u
build="$1"
id="$2"
source "$(dirname "$0")/install_checks.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install failed"
    exit 1
fi
usr="$work/root/usr"

unexpected="$(diff <(installed_files "$id") <(cd "$usr" && find . ! -type d | sed 's|^\./||' | sort))"
[ -z "$unexpected" ] || fail "installed files differ from the expected ones:"$'\n'"$unexpected"
[ -x "$usr/bin/abacus-trainer" ] || fail "the installed trainer is not executable"

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
