#!/usr/bin/env bash
# Runs one replay script and compares what it prints with the expected output.
# A script with a .err file must also print exactly that on standard error and exit 1.
# The script runs in a scratch folder of its own, where its history files are made.
set -u
replay="$(realpath "$1")"
script="$2"
base="${script%.replay}"
scratch="$(mktemp -d)"
actual_out="$scratch/out"
actual_err="$scratch/err"
trap 'rm -rf "$scratch"' EXIT

(cd "$scratch" && "$replay" <"$script" >"$actual_out" 2>"$actual_err")
status=$?

failed=0
if ! diff -u "$base.out" "$actual_out"; then
    echo "standard output differs from $base.out"
    failed=1
fi
expected_status=0
if [ -f "$base.err" ]; then
    expected_status=1
    if ! diff -u "$base.err" "$actual_err"; then
        echo "standard error differs from $base.err"
        failed=1
    fi
elif [ -s "$actual_err" ]; then
    echo "unexpected standard error:"
    cat "$actual_err"
    failed=1
fi
if [ "$status" -ne "$expected_status" ]; then
    echo "exit status $status, expected $expected_status"
    failed=1
fi
exit "$failed"
