#!/usr/bin/env bash
# Every command example of the README and the manual pages, run and compared
# with the output shown under it. An example is a line "$ command" in a
# console block of the README or an .EX block of a page, and its output the
# lines up to the next command or the block's end (standard output and
# standard error together). "$ cat FILE" does not run: the lines shown are
# written to FILE, which the next commands read. A page breaks long lines to
# fit, so its output is compared with every run of blanks and line ends taken
# as one blank; the README's is compared as it stands.
#   examples.sh README PAGES_DIR PROGRAM_DIR...
set -uo pipefail
readme=$1 pages=$2
shift 2
path=$(for dir; do printf '%s:' "$(cd "$dir" && pwd)"; done)$PATH
status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check SOURCE MODE: the examples on standard input, one block after another,
# each block ended by a line "@end". MODE is "exact" or "blanks".
check() {
    local source=$1 mode=$2 dir command="" expected="" line
    dir=$(mktemp -d -p "$work")
    finish() {
        [[ -n $command ]] || return 0
        if [[ $command =~ ^cat\ ([^ ]+)$ ]]; then
            printf '%s' "$expected" >"$dir/${BASH_REMATCH[1]}"
        else
            local actual shown=$expected
            actual=$(cd "$dir" && PATH=$path bash -c "$command" 2>&1)
            actual=${actual%$'\n'} shown=${shown%$'\n'}
            if [[ $mode == blanks ]]; then
                actual=$(tr -s ' \n' '  ' <<<"$actual") shown=$(tr -s ' \n' '  ' <<<"$shown")
            fi
            if [[ $actual != "$shown" ]]; then
                printf 'FAIL: %s: $ %s\n--- shown\n%s\n--- printed\n%s\n' "$source" "$command" \
                    "$shown" "$actual" >&2
                status=1
            fi
        fi
        command="" expected=""
    }
    while IFS= read -r line; do
        if [[ $line == '$ '* ]]; then
            finish
            command=${line#'$ '}
            while [[ $command == *\\ ]] && IFS= read -r line; do
                command+=$'\n'$line
            done
        elif [[ $line == @end ]]; then
            finish
        elif [[ -n $command ]]; then
            expected+=$line$'\n'
        fi
    done
}

count() { grep -c '^\$ ' || true; }

sed -n '/^```console$/,/^```$/{s/^```$/@end/;/^```console$/d;p}' "$readme" >"$work/readme"
check README exact <"$work/readme"
examples=$(count <"$work/readme")
for page in shieldcalc.1 shieldcalc-cli.1; do
    sed -n '/^\.EX$/,/^\.EE$/{s/^\.EE$/@end/;/^\.EX$/d;s/\\-/-/g;s/\\(dq/"/g;s/\\e/\\/g;p}' \
        "$pages/$page" >"$work/$page"
    check "$page" blanks <"$work/$page"
    examples=$((examples + $(count <"$work/$page")))
done
echo "$examples examples run"
exit $status
