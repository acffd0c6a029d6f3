#!/usr/bin/env bash
# The manual page and the bash completion of kv508-cli know every command,
# option, clear area and list kind that "kv508-cli --help" names.
set -u
cli=$1
page=$2       # data/man/kv508-cli.1.in
completion=$3 # data/completion/kv508-cli
failures=0
passed=0

help=$("$cli" --help)
commands=$(sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\).*/\1/p' <<<"$help")
options=$(grep -oE '(^|[][ ,|])--?[a-z][a-z-]*' <<<"$help" | sed 's/^[][ ,|]//' | sort -u)
# The words after "AREA:" and after "KIND:" up to the next command, less what
# stands in brackets.
listed() {
  awk -v key="$1" '
    index($0, key) { on = 1; $0 = substr($0, index($0, key) + length(key)) }
    on && /^  [a-z]/ && !index($0, key) { exit }
    on { gsub(/\([^)]*\)|[,;]| or /, " "); print }' <<<"$help" | grep -oE '[a-z][a-z-]*'
}
areas=$(listed "AREA:")
kinds=$(listed "KIND:")

# The manual page: the first word of each entry (.TP) under COMMANDS, and every
# option an entry under OPTIONS names.
entries() {
  awk -v section="$1" '
    /^\.SH / { on = ($2 == section) }
    on && prev == ".TP" { print }
    { prev = $0 }' "$page" | sed 's/\\-/-/g'
}
pageCommands=$(entries COMMANDS | sed -E 's/^\.[A-Z]+ "?([a-z-]+).*/\1/')
pageOptions=$(entries OPTIONS | grep -oE '(^|[ "])--?[a-z][a-z-]*' | sed 's/^[ "]//')
pageAreas=$(awk '/^\.BI "clear /,/^\.TP/' "$page" | sed -n 's/^\.BR\? \([a-z\\-]*\).*/\1/p' |
  sed 's/\\-/-/g')

# The completion's word lists.
# shellcheck source=/dev/null
source "$completion"

check() { # check WHAT WORD LIST
  if grep -qxF -- "$2" <<<"$(tr ' ' '\n' <<<"$3")"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $1 lacks $2"
    failures=$((failures + 1))
  fi
}

[ "$(wc -w <<<"$commands")" -ge 13 ] || { echo "FAIL: no commands read from --help"; exit 1; }
[ "$(wc -w <<<"$options")" -ge 20 ] || { echo "FAIL: no options read from --help"; exit 1; }
[ "$(wc -w <<<"$areas")" -ge 8 ] || { echo "FAIL: no areas read from --help: $areas"; exit 1; }
[ "$(wc -w <<<"$kinds")" -eq 4 ] || { echo "FAIL: no kinds read from --help: $kinds"; exit 1; }
for command in $commands; do
  check "the manual page's COMMANDS" "$command" "$pageCommands"
  check "the completion's commands" "$command" "$_kv508_cli_commands"
done
for option in $options; do
  check "the manual page's OPTIONS" "$option" "$pageOptions"
  check "the completion's options" "$option" "$_kv508_cli_options"
done
for area in $areas; do
  check "the manual page's clear" "$area" "$pageAreas"
  check "the completion's areas" "$area" "$_kv508_cli_areas"
done
for kind in $kinds; do
  check "the completion's kinds" "$kind" "$_kv508_cli_kinds"
done
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
