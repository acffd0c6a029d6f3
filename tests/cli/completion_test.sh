#!/usr/bin/env bash
# What the bash completion of kv508-cli offers for a line, without bash-completion
# loaded (as in a shell that sources the file itself).
set -u
completion=$(realpath "$1") # data/completion/kv508-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
touch boat.dat boat.hex contacts.csv
failures=0
passed=0

# shellcheck source=/dev/null
source "$completion"

complete_line() { # the offers for the last word of the line given as words
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _kv508_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

expect() { # expect OFFERS -- words...
  local want=$1 got
  shift 2
  got=$(complete_line kv508-cli "$@")
  if [ "$got" = "$want" ]; then
    passed=$((passed + 1))
  else
    echo "FAIL: kv508-cli $* -> '$got' (want '$want')"
    failures=$((failures + 1))
  fi
}

cases=(
  "backups cards check clear compare convert diff doctor export import new ports read report write|"
  "cards check clear compare convert|c"
  "clear|--debug cl"
  "all distress-log dsc-log dsc-tx-log group individual mmsi waypoint|--port sim clear "
  "distress-log dsc-log dsc-tx-log|clear --port sim d"
  "|--port sim clear mmsi "
  "channels expansion group individual|--model 11 export "
  "boat.dat|export group boat.d"
  "contacts.csv|import group c"
  "boat.dat boat.hex|import group contacts.csv boat."
  "sim|--port s"
  "11|--model 11"
  "a4 letter|cards boat.dat --paper "
  "|--retry-busy "
  "--verify|write --port sim --veri"
  "--no-atis --no-backup|--no-"
  "|ports "
  "|--port sim doctor "
  "boat.dat boat.hex|compare --port sim boat."
  "--changes-only|write --port sim --cha"
  "|backups "
  "boat.hex|--base boat.h"
)
for entry in "${cases[@]}"; do
  read -r -a words <<<"${entry#*|}"
  [[ $entry == *" " ]] && words+=("")
  [[ ${entry#*|} == "" ]] && words=("")
  expect "${entry%%|*}" -- "${words[@]}"
done

# --port offers sim and the serial devices, nothing else.
ports=$(complete_line kv508-cli --port "")
for port in $ports; do
  case $port in
    sim | /dev/ttyS* | /dev/ttyUSB* | /dev/ttyACM*) passed=$((passed + 1)) ;;
    *) echo "FAIL: --port offers $port" && failures=$((failures + 1)) ;;
  esac
done
[[ " $ports " == *" sim "* ]] || { echo "FAIL: --port does not offer sim" && failures=$((failures + 1)); }

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
