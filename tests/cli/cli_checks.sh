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

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
