# Sourced by the end-to-end checks: a scratch folder, a list of failures, and the trainer
# started in the background ($pid), ended and cleaned up when the check exits. The trainer
# keeps its history in the scratch folder ($work/data).
work="$(mktemp -d)"
failures=()
fail() { failures+=("$1"); }

XDG_DATA_HOME="$work/data" "$trainer" >"$work/trainer.out" 2>"$work/trainer.err" &
pid=$!
finish() {
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
