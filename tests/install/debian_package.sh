#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it: it holds exactly the
# installed trainer's files, says what it is, and depends on real packages that bring every
# library the program links and every runtime package the setup installs for its screen
# and fonts, and every library its modules link.
# Usage: debian_package.sh <build folder> <application id> <setup script> <module folder>
set -u
build="$1"
id="$2"
setup="$3"
module_folder="$4"
source "$(dirname "$0")/install_checks.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack failed"
    exit 1
fi
debs=("$work"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: cpack made ${#debs[@]} packages: ${debs[*]}"
    exit 1
fi
deb="${debs[0]}"

listed="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort)"
unexpected="$(diff <(installed_files "$id" "$module_folder") <(echo "$listed"))"
[ -z "$unexpected" ] || fail "packaged files differ from the expected ones:"$'\n'"$unexpected"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "abacus-trainer" ] || fail "package name is '$(field Package)'"
[ "$(field Section)" = "education" ] || fail "section is '$(field Section)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
    fail "maintainer '$(field Maintainer)' is not a name with an address"
[ "$(field Description | wc -l)" -ge 2 ] || fail "the description has no long text"

# The names in Depends, without versions.
depends="$(field Depends | tr ',' '\n' | sed 's/(.*)//; s/[[:space:]]//g' | grep -v '^$')"
for package in $depends; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        fail "dependency $package is no package installed on this machine"
done
depends_on() { grep -qx "$1" <<<"$depends"; }
# The packages that the dependencies bring in turn, without versions or architectures.
brought="$(for package in $depends; do dpkg-query -W -f='${Depends}, ${Pre-Depends}\n' "$package"; done |
    tr ',|' '\n\n' | sed 's/(.*)//; s/:.*//; s/[[:space:]]//g' | grep -v '^$' | sort -u)"
brought_in() { depends_on "$1" || grep -qx "$1" <<<"$brought"; }

# The package that holds a library, looked up under both names of a merged /usr.
owner_of() {
    local path="$1" alias
    case "$path" in
        /usr/*) alias="${path#/usr}" ;;
        *) alias="/usr$path" ;;
    esac
    dpkg-query -S "$path" 2>/dev/null || dpkg-query -S "$alias" 2>/dev/null
}

dpkg-deb -x "$deb" "$work/root"
linked_files=("$work/root/usr/bin/abacus-trainer" "$work/root/usr/bin/abacus-class")
for module in "${modules[@]}"; do
    linked_files+=("$work/root/usr/$module_folder/$module")
done
for file in "${linked_files[@]}"; do
    for library in $(readelf -d "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        # A library's line names it first and its path third; the loader's line has its path only.
        path="$(ldd "$file" | awk -v name="$library" '
            $1 == name { print $3; exit }
            { count = split($1, parts, "/") }
            count > 1 && parts[count] == name { print $1; exit }')"
        if [ -z "$path" ]; then
            fail "$library, which ${file##*/} links, is not found on this machine"
            continue
        fi
        package="$(owner_of "$path" | head -n 1 | cut -d: -f1)"
        case "$package" in
            libasan* | libubsan*) continue ;;  # sanitizer runtimes of a test build
        esac
        if [ -z "$package" ]; then
            fail "no Debian package holds $library ($path)"
        elif ! brought_in "$package"; then
            fail "${file##*/} links $library from $package, which no dependency brings"
        fi
    done
done

for package in $(grep -oE '\b(fonts-[a-z0-9-]+|qt6-qpa-plugins)\b' "$setup" | sort -u); do
    depends_on "$package" || fail "runtime package $package of the setup is no dependency"
done

# The history is kept in SQLite, which the program links.
depends_on libsqlite3-0 || fail "the SQLite library libsqlite3-0 is no dependency"

report "Debian package contents, description and dependencies checked"
