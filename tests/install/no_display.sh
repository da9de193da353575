#!/usr/bin/env bash
# Without a graphical display the application says so plainly and ends with
# status 1: when no display is named, and when the one named cannot be
# reached.
#   no_display.sh SHIELDCALC
set -uo pipefail
app=$1
status=0
expect_refusal() { # description environment...
    local description=$1 err code
    shift
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$app" 2>&1 >/dev/null)
    code=$?
    if [[ $code -ne 1 || $err != *"the windows need a graphical display"* ||
        $err == *Reinstalling* ]]; then
        printf 'FAIL: %s: exit status %s, stderr:\n%s\n' "$description" "$code" "$err" >&2
        status=1
    fi
}
expect_refusal "no display named"
# A display number that no X server on this machine has.
expect_refusal "a display that cannot be reached" DISPLAY=:4093
exit $status
