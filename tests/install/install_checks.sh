# Sourced by the install checks: what an installed trainer consists of, and failure keeping.

icon_sizes=(16 32 48 64 128 256)

# The files of an installed trainer under /usr, one a line, sorted. Usage: installed_files ID
installed_files() {
    local id="$1" size
    {
        echo "bin/abacus-trainer"
        echo "share/applications/$id.desktop"
        echo "share/metainfo/$id.metainfo.xml"
        for size in "${icon_sizes[@]}"; do
            echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
        done
    } | sort
}

failures=()
fail() { failures+=("$1"); }

# Prints every failure and exits 1, or prints the success line and exits 0.
report() {
    if [ ${#failures[@]} -gt 0 ]; then
        printf 'FAIL: %s\n' "${failures[@]}"
        exit 1
    fi
    echo "$1"
    exit 0
}
