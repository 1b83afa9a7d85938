#!/usr/bin/env bash
# The functions an executable imports, each checked against the list of those known to be in
# Windows XP (or XP x64), so that a new import of a newer call cannot slip in: such a call must
# be looked up by name instead. A call that XP has is added to the list after checking the
# "minimum supported client" of its documentation.
# Arguments: objdump, the executable, the list ("DLL!Function" lines).
set -uo pipefail
objdump=$1
exe=$2
list=$3
imports=$("$objdump" -p "$exe" | awk '
  /DLL Name:/ { dll = toupper($3); next }
  dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ { print dll "!" $NF }' | sort -u)
[ -n "$imports" ] || { echo "FAIL: no imports read from $exe"; exit 1; }
unknown=$(comm -23 <(echo "$imports") <(grep -v '^#' "$list" | sed 's/\r$//' | sort -u))
if [ -n "$unknown" ]; then
  echo "FAIL: imports not known to be in Windows XP:"
  echo "$unknown"
  exit 1
fi
echo "PASS: $(echo "$imports" | wc -l) imports, every one in Windows XP"
