#!/usr/bin/env bash
# The manual pages against the programs: every command of shieldcalc-cli and
# every option that a usage line or Qt's help lists is described in the page
# of its program, and both pages format without a warning.
#   manual_pages.sh SHIELDCALC_CLI SHIELDCALC PAGES_DIR
set -euo pipefail
cli=$1 app=$2 pages=$3
status=0
# The option or word as roff writes it, with every "-" escaped.
roff() { sed 's/-/\\-/g' <<<"$1"; }
expect() { # page text description
    if ! grep -qF -- "$(roff "$2")" "$pages/$1"; then
        echo "FAIL: $1 does not describe $3" >&2
        status=1
    fi
}

for page in shieldcalc.1 shieldcalc-cli.1; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$pages/$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || {
        echo "FAIL: $page: $warnings" >&2
        status=1
    }
done

expect shieldcalc-cli.1 --version "--version"
for command in $("$cli" --help | sed -n '/^commands:/,/^$/s/^  \([a-z][^ ]*\).*/\1/p'); do
    expect shieldcalc-cli.1 ".SS \"$command " "the command $command"
    for option in $("$cli" "$command" --help | sed -n 's/^\(usage\|   or\): //p' | tr -d '[]' |
        grep -oE '(^| )-[-a-zA-Z0-9]+'); do
        expect shieldcalc-cli.1 "$option" "the option $option of $command"
    done
done

for option in $(QT_QPA_PLATFORM=offscreen "$app" --help | grep -oE '^ +(-[a-z], )?--?[-a-z]+' |
    tr -d ','); do
    expect shieldcalc.1 "$option" "the option $option"
done
exit $status
