#!/usr/bin/env bash
# Soaks a few thousand events into a script and replays it: the record list the replay
# prints must be the one the soak ended with.
set -u
soak="$1"
replay="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failed=0
for seed in 3 7; do
    if ! "$soak" --seed "$seed" --events 4000 --script "$work/events.replay" \
        --list "$work/soak.list" >/dev/null; then
        echo "seed $seed: the soak broke a rule"
        failed=1
        continue
    fi
    { cat "$work/events.replay"; echo "print List1"; } | "$replay" >"$work/replay.list"
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "seed $seed: abacus-replay exited with $status"
        failed=1
    fi
    if ! diff -u "$work/soak.list" "$work/replay.list" >"$work/diff"; then
        echo "seed $seed: the replayed record list differs from the soak's"
        head -40 "$work/diff"
        failed=1
    fi
    if [ "$(head -c 7 "$work/soak.list")" = "List1 0" ]; then
        echo "seed $seed: the soak ended with an empty record list, which proves little"
        failed=1
    fi
done
exit "$failed"
