#!/usr/bin/env bash
# Completes huewright-cli command lines with the generated bash completion, as bash would, and
# checks that it offers the flags the help lists. Called with the completion script and the
# program.
set -uo pipefail
# shellcheck source=/dev/null
source "$1"
program=$2
failed=0
files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
touch "$files/a.DAT" "$files/b.ini"

# The offers for a command line whose last word is being completed, sorted, on one line.
offers() {
    COMP_WORDS=(huewright-cli "$@")
    COMP_CWORD=$#
    _huewright_cli
    if ((${#COMPREPLY[@]})); then
        printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' '
    fi
}

# expect OFFERS WORD...: completing WORD... offers exactly OFFERS.
expect() {
    local expected=$1 got
    shift
    got=$(offers "$@")
    if [[ $got != "$expected" ]]; then
        echo "completing '$*': offered '$got', expected '$expected'" >&2
        failed=1
    fi
}

expect "--format" --for
expect "--no-bold" --no-bo
expect "ampersand ansi bbcode font json minimessage span" --format ""
expect "span" --format sp
expect "bbcode" --format = b
expect "ampersand ansi bbcode font json minimessage span" --format =
expect "alternating falling none valley" --pattern-kind ""
expect "cp932 utf-8" --length --encoding ""
expect "oklab oklch" abc --blend ok
expect "$files/a.DAT" --load "$files/a"
expect "$files/a.DAT $files/b.ini" -o "$files/"
expect "" --start-colour ""
expect "" --face-name ""
expect "" abc
expect "" -- --f

# Every name in the help's option column, and nothing else, is offered for "-".
listed=$("$program" --help | sed -nE 's/^  (-[^ ,]*(, -[^ ,]*)*).*/\1/p' | tr -d ',' | tr ' ' '\n' |
    sort | paste -sd ' ')
if [[ -z $listed ]]; then
    echo "the help lists no flags" >&2
    failed=1
fi
expect "$listed" -

exit $failed
