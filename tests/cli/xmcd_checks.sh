#!/usr/bin/env bash
# Checks the xmcd records brindwax-cli writes for submission against an independent reader
# (CDDB::File): every real record in the test data becomes a catalogue entry, is written
# again by "brindwax-cli xmcd", and must read back with the same artist, disc name, track
# titles and notes, and a DISCID that matches its offsets. Ends with "N passed, N failed".
# Usage: xmcd_checks.sh BRINDWAX_CLI [TESTDATA_DIR]
set -u
cli="$1"
here=$(cd "$(dirname "$0")" && pwd)
testdata="${2:-}"
if [ -z "$testdata" ]; then
  for candidate in "$here/../../../shared/testdata" "$here/../../shared/testdata" /work/shared/testdata; do
    [ -d "$candidate/freedb/records" ] && { testdata="$candidate"; break; }
  done
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0; failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $1"; }

if ! perl -MCDDB::File -e 1 2>/dev/null; then
  fail "the CDDB::File module (libcddb-file-perl) is not installed"
  echo "$passed passed, $failed failed"; exit 1
fi
if [ ! -d "$testdata/freedb/records" ]; then
  fail "no test records found"
  echo "$passed passed, $failed failed"; exit 1
fi

index=0
db="$work/db"; mkdir -p "$db"
for record in "$testdata"/freedb/records/*; do
  name=$(basename "$record")
  [ "$name" = SOURCES.tsv ] && continue
  if ! perl "$here/xmcd_records.pl" entry "$record" > "$work/entry" 2> "$work/error"; then
    fail "$name: not readable: $(cat "$work/error")"; continue
  fi
  read -r -a frames < <(sed -n 1p "$work/entry")
  if ! sed -n 2p "$work/entry" | "$cli" db "$db" add 2> "$work/error"; then
    fail "$name: the catalogue refused the entry: $(cat "$work/error")"; continue
  fi
  if ! "$cli" xmcd "$db" "$index" "${frames[@]}" > "$work/written" 2> "$work/error"; then
    fail "$name: xmcd failed: $(cat "$work/error")"; index=$((index + 1)); continue
  fi
  index=$((index + 1))
  if result=$(perl "$here/xmcd_records.pl" compare "$record" "$work/written"); then pass
  else fail "$name: $result"; fi
  # The record's disc ID is the one "discid" computes for the same frames.
  id=$(sed -n 's/^DISCID=\([0-9a-f]*\)\r$/\1/p' "$work/written")
  if [ "$id" = "$("$cli" discid "${frames[@]}")" ]; then pass; else fail "$name: DISCID $id"; fi
done

# Refusals: no such entry, a track count other than the disc's, an entry that fails the check.
refused() { "$@" > /dev/null 2>&1 && echo accepted || echo refused; }
check() { if [ "$2" == "$3" ]; then pass; else fail "$1: expected [$2], got [$3]"; fi; }
check "a missing entry is refused" refused "$(refused "$cli" xmcd "$db" 999 150 20000)"
check "a track count other than the disc's is refused" refused \
  "$(refused "$cli" xmcd "$db" 0 150 20000)"
echo '{"track_seconds":[100],"titles":["One"],"artist":"A","disc_name":"D","category":"Pop"}' \
  | "$cli" db "$db" add
check "an invalid category is refused" refused "$(refused "$cli" xmcd "$db" "$index" 150 7650)"
message=$("$cli" xmcd "$db" "$index" 150 7650 2>&1 >/dev/null)
check "the refusal says why" "brindwax-cli xmcd: The provided category name is invalid for Freedb submission. Name: Pop" \
  "$(echo "$message" | head -n 1)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
