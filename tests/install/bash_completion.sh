#!/usr/bin/env bash
# The bash completion of shieldcalc-cli, run against the program it completes:
# each row is the words typed so far (the last one being completed) and the
# completions expected, in order.
#   bash_completion.sh COMPLETION_SCRIPT SHIELDCALC_CLI
set -uo pipefail
# shellcheck source=/dev/null
source "$1"
cli=$2
status=0

check() { # expected words ...
    local expected=$1
    shift
    COMP_WORDS=("$cli" "$@")
    COMP_CWORD=$#
    _shieldcalc_cli
    local got="${COMPREPLY[*]}"
    if [[ $got != "$expected" ]]; then
        echo "FAIL: shieldcalc-cli $* -> '$got', expected '$expected'" >&2
        status=1
    fi
}

check "solid aperture double enclosure box-slot batch --help --version" ""
check "double" "d"
check "--help --version" "--"
check "--help --source --material --sigma-r --mu-r --json --quiet --reference --receiver --sweep --linear" "solid" "--"
check "--sigma-r2" "double" "--sigma-r2"
check "--help --json --reference" "batch" "--"
check "--r1 --r2 --reference --receiver" "double" "--source" "plane" "--r"
check "plane magnetic electric none" "solid" "--source" ""
check "magnetic electric none" "enclosure" "--source" ""
check "circle" "aperture" "--shape" "c"
check "plane none" "box-slot" "--source" ""
check "--slot-length --slot-width --slots" "box-slot" "--slot"
check "aluminium" "double" "--material2" "al"
check "" "solid" "-f" ""
check "--material1 --mu-r1 --material2 --mu-r2" "double" "--l1" "0.1" "--m"
check "--reference" "solid" "--ref"
check "--reference --receiver" "double" "--re"
check "" "solid" "--receiver" ""
check "--linear" "enclosure" "--sweep" "1:10" "--l"
check "--quiet" "double" "--q"
check "--help" "nonsense" ""
exit $status
