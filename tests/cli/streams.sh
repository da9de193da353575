#!/usr/bin/env bash
# The real program against the system's streams: an output that cannot be
# written (a full device, a closed descriptor, a pipe closed early while
# SIGPIPE is ignored) and an input that cannot be read (a directory, a closed
# descriptor, a file not there) each end the run with a non-zero exit status
# and a message that gives the system's reason.
#   streams.sh SHIELDCALC_CLI
set -uo pipefail
cli=$1
status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    printf 'FAIL: %s\n' "$*" >&2
    status=1
}
# expect DESCRIPTION STATUS REASON COMMAND...: runs COMMAND (a shell text) and
# checks its exit status and that stderr holds REASON.
expect() {
    local description=$1 want=$2 reason=$3 err code
    shift 3
    err=$(bash -c "$*" 2>&1 >/dev/null)
    code=$?
    [[ $code -eq $want && $err == *"$reason"* ]] ||
        fail "$description: exit status $code, stderr: $err"
}

solid=(solid --source plane --material copper -f 1 -l 0.1 -r 10)
printf 'calculation,source,material,f,l,r\n' >"$work/rows.csv"
for ((i = 0; i < 200000; i++)); do
    echo "solid,plane,copper,$((i % 1000 + 1)),0.1,10"
done >>"$work/rows.csv"

expect "a single run to a full device" 3 "No space left on device" \
    "'$cli' ${solid[*]} >/dev/full"
expect "a sweep to a full device" 3 "No space left on device" \
    "'$cli' solid --source plane --material copper -l 0.1 --sweep 1:1000:50 >/dev/full"
expect "a batch run to a full device" 3 "No space left on device" \
    "'$cli' batch '$work/rows.csv' >/dev/full"
expect "--help to a full device" 3 "No space left on device" "'$cli' --help >/dev/full"
expect "a single run to a closed stdout" 3 "Bad file descriptor" "'$cli' ${solid[*]} >&-"

# With SIGPIPE ignored, a reader that stops early ends the run with the
# reason; that it stops at once is checked in-process.
out=$(mktemp -p "$work")
(
    trap '' PIPE
    "$cli" batch "$work/rows.csv" 2>"$out.err"
    echo $? >"$out.status"
) | head -n 1 >/dev/null
[[ $(cat "$out.status") -eq 3 && $(cat "$out.err") == *"Broken pipe"* ]] ||
    fail "a batch run into a pipe closed early: exit status $(cat "$out.status"), stderr: $(cat "$out.err")"

expect "a batch run over a directory" 3 "Is a directory" "'$cli' batch '$work'"
expect "a batch run over a closed stdin" 3 "Bad file descriptor" "'$cli' batch <&-"
expect "a batch run over a file not there" 2 "No such file or directory" \
    "'$cli' batch '$work/missing.csv'"
exit $status
