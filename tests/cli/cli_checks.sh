#!/usr/bin/env bash
# Checks brindwax-cli as a script would use it: disc IDs, and catalogue files built through
# adds, replaces and deletes. Ends with "N passed, N failed".
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0; failed=0
check() { # description expected actual
  if [ "$2" == "$3" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "FAIL: $1: expected [$2], got [$3]"; fi
}

check "disc ID of the three-track example" "1202ce03" "$("$cli" discid 150 18787 40500 54000)"
refused() { "$@" >/dev/null 2>&1 && echo accepted || echo refused; }
check "a lead-out alone is refused" "refused" "$(refused "$cli" discid 150)"
check "a non-number is refused" "refused" "$(refused "$cli" discid abc 200)"
check "offsets must increase" "refused" "$(refused "$cli" discid 150 100 20000)"

db="$work/db"; mkdir -p "$db"
check "an empty folder counts 0" "0" "$("$cli" db "$db" count)"
echo '{"track_seconds":[200,180],"titles":["One","Two"],"artist":"Caf\u00e9 Band","disc_name":"First"}' \
  | "$cli" db "$db" add; check "add succeeds" "0" "$?"
echo '{"track_seconds":[100],"titles":["Solo"],"artist":"B","disc_name":"Second"}' | "$cli" db "$db" add
check "two entries" "2" "$("$cli" db "$db" count)"
check "find by lengths" "1" "$("$cli" db "$db" find 100)"
"$cli" db "$db" find 101 >/dev/null; check "no match exits 1" "1" "$?"
before=$(md5sum < "$db/brindwax.dat")
echo '{"track_seconds":[1],"titles":["a","b"]}' | "$cli" db "$db" add 2>/dev/null
check "titles not matching the tracks are refused" "1" "$?"
echo '{"track_seconds":[1],"titles":["\u4e2d"]}' | "$cli" db "$db" add 2>/dev/null
check "text outside Windows-1252 is refused" "1" "$?"
check "refused input writes nothing" "$before" "$(md5sum < "$db/brindwax.dat")"
echo '{"track_seconds":[300],"titles":["Longer"],"artist":"C"}' | "$cli" db "$db" replace 0
check "replace keeps the count" "2" "$("$cli" db "$db" count)"
"$cli" db "$db" delete 0; check "delete succeeds" "0" "$?"
check "one entry left" "1" "$("$cli" db "$db" count)"
check "the remaining entry is the second" "0" "$("$cli" db "$db" find 100)"
"$cli" db "$db" check >/dev/null; check "the chain is sound" "0" "$?"
check "no rewrite files remain" "" "$(ls "$db" | grep -v '^brindwax.dat$')"
printf 'garbage' >> "$db/brindwax.dat"
"$cli" db "$db" dump >/dev/null; check "dump reads the intact prefix" "0" "$?"
printf '\xff' | dd of="$db/brindwax.dat" bs=1 seek=8 conv=notrunc 2>/dev/null
"$cli" db "$db" check >/dev/null 2>&1; check "a broken chain is reported" "1" "$?"

# The catalogue tools: sort, search, export, information.
tools="$work/tools"; mkdir -p "$tools"
add() { echo "$1" | "$cli" db "$tools" add; }
add '{"track_seconds":[200,180],"titles":["Radio Ga Ga","Rock Song"],"artist":"Queen","disc_name":"The Works","notes":"Line one\r\nLine two"}'
add '{"track_seconds":[100],"titles":["Waterloo"],"artist":"abba","disc_name":"Say \"Hi\", then go","recording":3}'
add '{"track_seconds":[90],"titles":["SOS"],"artist":"ABBA","disc_name":"Arrival","year_released":"1976"}'
artists() { "$cli" db "$tools" dump | python3 -c 'import json,sys; print(",".join(e["artist"] for e in json.load(sys.stdin)))'; }
check "search finds a title without regard to case" "0	1	Queen - The Works|1 items found" \
  "$("$cli" db "$tools" search ROCK | paste -sd'|')"
check "a case-sensitive search does not" "0 items found" "$("$cli" db "$tools" search ROCK --case)"
check "a search in the chosen fields only" "0 items found" "$("$cli" db "$tools" search rock --fields artist,notes)"
check "ri is found inside Arrival" "2	101	ABBA - Arrival|1 items found" \
  "$("$cli" db "$tools" search ri --fields disc-name | paste -sd'|')"
check "a property search" "1	108	abba - Say \"Hi\", then go|1 items found" \
  "$("$cli" db "$tools" search --property recording DDD | paste -sd'|')"
check "a search from an entry on" "2 items found" "$("$cli" db "$tools" search --property size 5 --from 1 | tail -n 1)"
check "info counts entries" "Total Number of Entries: 3" "$("$cli" db "$tools" info | grep Entries)"
check "info counts tracks" "Total Number of Tracks: 4" "$("$cli" db "$tools" info | grep Tracks)"
check "info adds up the playing time" "Total Playing Time: 0 Days, 0 Hours, 9 Minutes, 30 Seconds" \
  "$("$cli" db "$tools" info | grep Playing)"
"$cli" db "$tools" export --delimited --sorted "$work/sorted.csv" >/dev/null; check "export succeeds" "0" "$?"
check "a delimited export reads back as typed" \
  "abba|Say \"Hi\", then go|1:40|1|Waterloo|1:40|||||DDD|Album|5 Inch|;ABBA|Arrival|1:30|1|SOS|1:30|||||AAD|Album|5 Inch|1976;Queen|The Works|6:20|1|Radio Ga Ga|3:20||2|Rock Song|3:00||||Line one\r\nLine two|AAD|Album|5 Inch|" \
  "$(python3 -c 'import csv,sys; print(";".join("|".join(r).replace("\r\n", "\\r\\n") for r in csv.reader(open(sys.argv[1], newline="", encoding="cp1252"))))' "$work/sorted.csv")"
"$cli" db "$tools" export --plain --items artist,track-name "$work/plain.txt" >/dev/null
check "a plain export of chosen items" "Queen|Radio Ga Ga|Rock Song||abba|Waterloo||ABBA|SOS|" \
  "$(tr -d '\r' < "$work/plain.txt" | paste -sd'|')"
"$cli" db "$tools" export --plain "$work/no/such/folder/export.txt" >/dev/null 2>&1
check "an export that cannot be written fails" "1" "$?"
check "and leaves nothing behind" "" "$(ls "$work/no" 2>/dev/null)"
check "sorting says Done!" "Done!" "$("$cli" db "$tools" sort)"
check "sorted by artist, equal artists in order" "abba,ABBA,Queen" "$(artists)"
before=$(md5sum < "$tools/brindwax.dat")
"$cli" db "$tools" sort >/dev/null
check "sorting a sorted catalogue changes no byte" "$before" "$(md5sum < "$tools/brindwax.dat")"
check "the sort leaves no rewrite files" "brindwax.dat" "$(ls "$tools")"
printf 'x' | dd of="$tools/brindwax.dat" bs=1 seek=$(( $(stat -c %s "$tools/brindwax.dat") - 1 )) conv=notrunc 2>/dev/null
before=$(md5sum < "$tools/brindwax.dat")
"$cli" db "$tools" sort >/dev/null 2>&1; check "a damaged catalogue is not sorted" "1" "$?"
check "and stays as it was" "$before" "$(md5sum < "$tools/brindwax.dat")"
check "info tells of the damage" "The database is damaged. Only its first 2 entries could be read." \
  "$("$cli" db "$tools" info 2>/dev/null | tail -n 1)"
check "info on a missing catalogue creates nothing" "" "$("$cli" db "$work/empty" info >/dev/null 2>&1; ls "$work/empty" 2>/dev/null)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
