#!/usr/bin/env bash
# kv508-cli export, import and cards: files as spreadsheets write them, merge,
# refusals that write nothing, hostile files, and the cards' text.
set -u
cli=$(realpath "$1")
programDir=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
passed=0

run() { "$cli" --program-dir "$programDir" --settings "$work/user.ini" "$@"; }

check() { # check DESCRIPTION command...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

expect() { # expect STATUS TEXT... -- command...: each TEXT in its standard output or error
  local status=$1 texts=() out got found=0
  shift
  while [ "$1" != "--" ]; do texts+=("$1") && shift; done
  shift
  out=$(run "$@" 2>&1)
  got=$?
  for text in "${texts[@]}"; do [[ $out == *"$text"* ]] || found=1; done
  [ "$got" -eq "$status" ] && [ "$found" -eq 0 ]
  check "$* -> status $got (want $status): $(head -c 600 <<<"$out")" test $? -eq 0
}

run new -o default.dat

# A Memory ID list as a spreadsheet saves it: byte-order mark, CR LF, semicolons,
# quoted names with separators and quotes, columns in its own order, a column of its own.
printf '\xef\xbb\xbfMMSI;Notes;Name;Position\r\n232000111;gate;"PIER; WEST";2\r\n' >individual.csv
printf '232000222;;"SAY ""HI""";1\r\n232000333;;"HARBOUR, EAST";3\r\n' >>individual.csv
expect 0 'line 3: added entry 1: name "SAY HI"; MMSI 232000222 (name "SAY "HI"" is stored' \
  'line 4: added entry 3: name "HARBOUR, EA"' "columns ignored: Notes" \
  -- import individual individual.csv default.dat -o a.dat
printf 'name,mmsi\nRACE FLEET,23212345\n' >group.csv
expect 0 "added entry 1" -- import group group.csv a.dat -o b.dat

# Every USA channel enabled and named, through the channels list.
run export channels b.dat -o channels.csv
awk -F, 'BEGIN { OFS = "," } $1 == "USA" { $3 = 1; $4 = "PORT OPS " $2 } { print }' \
  channels.csv >full.csv
expect 0 "189 added, 51 changed" -- import channels full.csv b.dat -o full.dat

# Export then import of each list leaves the file as it was, byte for byte.
for kind in individual group expansion channels; do
  run export "$kind" full.dat -o "$kind-out.csv"
  expect 0 "0 refused" -- import "$kind" "$kind-out.csv" full.dat -o back.dat
  check "$kind: export then import gives the same file" cmp -s full.dat back.dat
done
check "exports end their lines with CR LF" grep -q $'^1,SAY HI,232000222\r$' individual-out.csv

printf 'name,mmsi\nPILOT BOAT,232000111\nNEW ONE,232000999\n' >merge.csv
expect 0 "line 3: added entry 4" -- import --merge individual merge.csv full.dat -o merged.dat
expect 0 "0 added, 0 changed, 2 unchanged" -- import individual merge.csv merged.dat -o x.dat \
  --merge
printf 'name,mmsi\nGOOD,232000444\nBAD,12345\n' >refused.csv
expect 1 "Import refused: 1 row refused" -- import individual refused.csv full.dat -o none.dat
check "nothing is written while a row is refused" test ! -e none.dat
expect 0 'line 3: refused: MMSI "12345" is not 9 digits' \
  -- import individual refused.csv full.dat -o some.dat --skip-refused
check "--skip-refused writes the accepted rows" test -e some.dat

# Hostile files: one message naming the file and the line, nothing written.
: >empty.csv
yes 'PORT OPERATIONS,232000111' | head -c 50M >big.csv
printf 'name,mmsi\n"OPEN,232000111\nB,232000222\n' >open.csv
printf 'name,mmsi\nA\0B,232000111\n' >nul.csv
for file in "empty.csv: line 1: the file is empty" "big.csv: line 40330: the file is larger than" \
  "open.csv: line 2: a quoted field never ends" "nul.csv: line 2: a NUL byte"; do
  expect 1 "$file" -- import individual "${file%%:*}" full.dat -o none.dat
done
check "nothing is written from a hostile file" test ! -e none.dat
mkdir dir.csv
expect 1 "FileSave Error!!" "dir.csv: " -- export individual full.dat -o dir.csv
expect 2 "" -- import channels full.csv full.dat -o x.dat --merge
expect 2 "" -- export frequencies full.dat

# The cards: every enabled channel of the full bank and every directory entry
# in the PDF's text.
expect 0 "" -- cards full.dat -o cards.pdf
pdftotext -layout cards.pdf cards.txt
missing=$(awk -F, '$1 == "USA" { print $2 }' channels.csv | while read -r label; do
  grep -Eq "(^| )$label +PORT OPS $label( |$)" cards.txt || echo "$label"
done)
check "every enabled USA channel is on its card (missing: $missing)" test -z "$missing"
for entry in "SAY HI +232000222" "PIER WEST +232000111" "HARBOUR, EA +232000333" \
  "RACE FLEET +023212345" "Own MMSI +not set"; do
  check "the DSC card lists $entry" grep -Eq "$entry" cards.txt
done
check "the footer names the file" grep -q "full.dat" cards.txt
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
