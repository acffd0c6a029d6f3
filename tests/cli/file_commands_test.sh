#!/usr/bin/env bash
# kv508-cli on files: exit statuses, messages, and that outputs are left alone
# when an input is refused.
set -u
cli=$(realpath "$1")
programDir=$(realpath "$2")
work=$(mktemp -d)
user=""
trap 'rm -rf "$work"; [ -z "$user" ] || userdel "$user" 2>/dev/null' EXIT
cd "$work"
failures=0
passed=0

run() { "$cli" --program-dir "${prog:-$programDir}" --settings "$work/user.ini" "$@"; }

check() { # check DESCRIPTION command...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

expect() { # expect STATUS TEXT -- command...: TEXT in its standard output or error
  local status=$1 text=$2 out got
  shift 3
  out=$(run "$@" 2>&1)
  got=$?
  [ "$got" -eq "$status" ] && [[ $out == *"$text"* ]]
  check "$* -> status $got (want $status): $out" test $? -eq 0
}

expect 0 "" -- new -o default.hex
expect 0 "" -- new -o default.dat
check "a new image is 32768 bytes" test "$(stat -c %s default.hex)" -eq 32768
check "a settings file starts with [MAIN]" grep -q $'^\\[MAIN\\]\r$' default.dat
expect 0 "" -- convert default.dat back.hex
check ".dat -> .hex reproduces the image" cmp -s default.hex back.hex
expect 0 "" -- convert default.hex back.dat
check ".hex -> .dat reproduces the text" cmp -s default.dat back.dat
expect 0 "" -- diff default.dat back.hex
sed 's/^ChTag=#DISTRESS\r$/ChTag=#CALL16\r/' default.dat >changed.dat
expect 1 'CHUSA 16 ChTag: "DISTRESS" -> "CALL16"' -- diff default.dat changed.dat
# diff and compare as diff(1): trouble is 2, so that a script can tell it from "different".
expect 2 "FileRead Error!!" -- diff default.dat missing.dat
expect 2 "diff needs two files" -- diff default.dat
expect 0 "diff, compare: 0 nothing differs, 1 something differs, 2 trouble" -- --help
expect 2 "exclude each other" -- write --port sim --keep-identity --replace-identity default.dat
expect 2 "go with write" -- read --port sim --keep-identity -o x.dat
expect 2 "--trace goes with" -- diff --trace t.txt default.dat changed.dat

# Refused inputs: a message, status 1, no output written.
head -c 32767 default.hex >short.hex
expect 1 "bad file!!" -- convert short.hex out.dat
check "no output after a refused image" test ! -e out.dat
cp default.hex wrongmodel.hex
printf '\x07\xd1' | dd of=wrongmodel.hex bs=1 seek=32766 conv=notrunc status=none
sed 's/^MODELTYPE=1\r$/MODELTYPE=11\r/' default.dat >othermodel.dat
expect 1 "ModelType Error !!" -- convert othermodel.dat out.hex
check "no output after a refused settings file" test ! -e out.hex
expect 1 "ModelType Error !!" -- convert default.dat out.hex --base wrongmodel.hex

# A failed save keeps the previous file.
mkdir locked && cp default.hex locked/keep.hex && chmod 555 locked
if [ "$(id -u)" -ne 0 ]; then
  expect 1 "FileSave Error!!" -- convert default.dat locked/keep.hex
  check "the old file survives a failed save" cmp -s default.hex locked/keep.hex
fi
mkdir dir.hex
expect 1 "FileSave Error!!" -- convert default.dat dir.hex
chmod 755 locked

# Hostile inputs and targets: refused at once, with the path and the reason on the next line.
mkfifo pipe.dat pipe.hex
expect 1 "pipe.dat: Not a regular file" -- convert pipe.dat out.hex
expect 1 "FileRead Error!!" -- convert pipe.hex out.dat
expect 1 "FileRead Error!!" -- convert default.dat out.hex --base pipe.hex
cp wrongmodel.hex readonly.hex && chmod 444 readonly.hex
expect 1 "readonly.hex: Permission denied" -- convert default.dat readonly.hex
check "a read-only target is left as it was" cmp -s wrongmodel.hex readonly.hex
cp wrongmodel.hex private.hex && chmod 600 private.hex
expect 0 "" -- convert default.dat private.hex
check "a saved file keeps its mode" test "$(stat -c %a private.hex)" = 600
check "and gets the new bytes" cmp -s default.hex private.hex
cp wrongmodel.hex target.hex && ln -s target.hex link.hex
expect 0 "" -- convert default.dat link.hex
check "a link stays a link" test -L link.hex
check "and its target gets the new bytes" cmp -s default.hex target.hex
if [ -w /dev/full ]; then
  err=$(run report default.dat 2>&1 >/dev/full)
  [ $? -eq 1 ] && [[ $err == *"FileSave Error!!"* ]]
  check "report to a full standard output fails, and says so" test $? -eq 0
fi
# A stored destination image of another model does not fail the commands that reset the data.
cp -r "$programDir" prog && printf '\x07\xd1' | dd of=prog/USAA_07D0.ini bs=1 seek=32766 conv=notrunc status=none
check "a bad stored destination leaks no failure" test -z "$(prog=prog run convert default.dat viaBad.hex 2>&1 || echo failed)"
printf '[model1]\r\nuse=0\r\n[model2]\r\nuse=1\r\n' >prog/global.ini
prog=prog expect 1 $'Unknown model!!\nprog/global.ini: model 2 is not one this program knows' -- new -o unknown.hex
check "new refuses a model without a default image" test ! -e unknown.hex
printf '[model1]\r\nuse=0\r\n' >prog/global.ini
prog=prog expect 1 $'Unknown model!!\nprog/global.ini: no model with use=1' -- new -o unknown.hex
prog=nowhere expect 1 "nowhere/global.ini: No such file or directory" -- new -o unknown.hex

# What a read could never save is refused before the port is opened, and a
# port is the file it names or else a device under /dev.
mkfifo pipe.txt
for target in "missing/x.hex: No such file or directory" "dir.hex: Is a directory" \
  "pipe.hex: Not a regular file"; do
  expect 1 "$target" -- read --port nowhere -o "${target%%:*}"
done
expect 1 "pipe.txt: Not a regular file" -- report default.dat -o pipe.txt
echo text >regular.txt
expect 1 "Cannot open ./regular.txt" -- read --port regular.txt -o r.hex
expect 1 "Cannot open /dev/kv508-no-such-port: No such file or directory" -- read --port kv508-no-such-port -o r.hex

# A program whose backup cannot be saved stops before the radio is touched.
XDG_DATA_HOME=$work/regular.txt expect 1 \
  "Program the radio without it? [No; --no-backup programs without one]" -- write --port sim \
  --replace-identity default.hex

# Saving over another user's file: root keeps its owner and group; that user,
# who may write a file of root's but not give it back, is refused.
if [ "$(id -u)" -eq 0 ] && useradd --no-create-home --shell /usr/sbin/nologin "kv508-$$" 2>/dev/null; then
  user=kv508-$$
  cp wrongmodel.hex theirs.hex && chown "$user:$user" theirs.hex && chmod 640 theirs.hex
  expect 0 "" -- convert default.dat theirs.hex
  check "root's save keeps the owner" test "$(stat -c %U:%G:%a theirs.hex)" = "$user:$user:640"
  check "and writes the file" cmp -s default.hex theirs.hex
  chmod 755 "$work" && mkdir shared && chmod 777 shared
  cp wrongmodel.hex shared/roots.hex && chmod 666 shared/roots.hex
  out=$(setpriv --reuid="$user" --regid="$user" --clear-groups "$cli" --program-dir "$programDir" \
    --settings shared/user.ini convert default.dat shared/roots.hex 2>&1)
  [ $? -eq 1 ] && [[ $out == *"shared/roots.hex: The file belongs to another user or group"* ]]
  check "a save that would take root's file is refused: $out" test $? -eq 0
  check "and leaves it as it was" test "$(stat -c %U:%a shared/roots.hex)" = "root:666"
  check "with its bytes" cmp -s wrongmodel.hex shared/roots.hex
else
  echo "skipped: the ownership cases need root and useradd"
fi

# check: 0 clean, 1 warnings only, 2 errors or a file that cannot be read.
sed 's/^User MMSI=#\r$/User MMSI=#2320012340\r/' default.dat >clean.dat
sed 's/^User MMSI=#\r$/User MMSI=#0023200010\r/' default.dat >coast.dat
sed '/^\[CHMMSID1\]/,/^Mmsid=/{s/^Enable=0/Enable=1/;s/^TagName=#/TagName=#HARBOUR MASTER/;s/^Mmsid=/Mmsid=2320056780/}' \
  clean.dat >longname.dat
check "check on a clean file prints nothing" test -z "$(run check clean.dat 2>&1)"
expect 0 "" -- check clean.dat
expect 1 "warning: DSC Setup: The own MMSI 002320001 is a coast station, not a ship or handheld station. Type the MMSI of this boat from its radio licence." -- check coast.dat
expect 2 'error: Memory ID 1: Name "HARBOUR MASTER" becomes "HARBOUR MAS" in the radio.' -- check longname.dat
expect 2 "FileRead Error!!" -- check missing.dat
cp -r "$programDir" nomid && rm nomid/mid-countries.csv
out=$(prog=nomid run check coast.dat 2>&1 >/dev/null)
check "a missing MID table is named once: $out" test "$(grep -c "MID table not used, countries are unknown: nomid/mid-countries.csv: " <<<"$out")" -eq 1

# Usage errors.
for args in frobnicate new "new -o out.bin" "convert default.dat" "read -o x.hex" check "check a.txt" \
  "read --verify --port sim -o x.hex" "clear --port sim everything" "--model 5 new -o x.hex"; do
  expect 2 "" -- $args
done

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
