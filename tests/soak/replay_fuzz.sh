#!/usr/bin/env bash
# Pipes seeded scripts of malformed and good lines through abacus-replay: every bad line,
# and only those, is reported once as "line N: ...", in order; the exit status says
# whether any line was bad; nothing crashes.
set -u
soak="$1"
replay="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export LC_ALL=C

failed=0
for seed in 1 2 3 4 5 6; do
    "$soak" --fuzz-replay 1500 --seed "$seed" --bad-lines "$work/expected" >"$work/script"
    "$replay" <"$work/script" >/dev/null 2>"$work/err"
    status=$?
    if [ "$status" -ne 1 ]; then
        echo "seed $seed: exit status $status, expected 1"
        failed=1
    fi
    if grep -a -v -q '^line [0-9][0-9]*: ' "$work/err"; then
        echo "seed $seed: standard error holds other lines:"
        grep -a -v '^line [0-9][0-9]*: ' "$work/err" | head -5 | cut -c1-200
        failed=1
    fi
    sed -n 's/^line \([0-9][0-9]*\): .*/\1/p' "$work/err" >"$work/reported"
    if ! diff "$work/expected" "$work/reported" >"$work/diff"; then
        echo "seed $seed: reported lines differ from the bad lines (< expected, > reported)"
        head -20 "$work/diff"
        failed=1
    fi
done

# A script of good lines only exits 0 with nothing on standard error.
printf 'click Command4\r\ntype Text1 \xe8\xb1\x86\rprint Text1\n\n# done' | "$replay" >/dev/null 2>"$work/err"
status=$?
if [ "$status" -ne 0 ] || [ -s "$work/err" ]; then
    echo "good lines: exit status $status, standard error:"
    head -5 "$work/err"
    failed=1
fi
exit "$failed"
