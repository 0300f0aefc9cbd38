# Sourced by the install checks: what an installed trainer consists of, and failure keeping.

icon_sizes=(16 32 48 64 128 256)

# The modules the trainer loads after its first paint, in its own library folder.
modules=(libabacus-class-sender.so libabacus-printing.so libabacus-sound.so libabacus-speech.so)

# The files of an installed trainer under /usr, one a line, sorted. Usage: installed_files ID
# MODULE_FOLDER, the folder of the modules relative to /usr.
installed_files() {
    local id="$1" module_folder="$2" size module
    {
        echo "bin/abacus-class"
        echo "bin/abacus-trainer"
        for module in "${modules[@]}"; do
            echo "$module_folder/$module"
        done
        echo "share/applications/$id.desktop"
        echo "share/abacus-trainer/help.html"
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
