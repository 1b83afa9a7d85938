#!/usr/bin/env bash
# The functions an executable imports, each checked against the list of those known to be in
# Windows XP (or XP x64), so that a new import of a newer call cannot slip in: such a call must
# be looked up by name instead. A call that XP has is added to the list after checking the
# "minimum supported client" of its documentation.
# The subsystem version the image asks for must not be newer than XP's either. Only DLLs the
# loader always takes from the system folder may be imported by name; any other would be looked
# for beside the program first, where someone else may have put a file of that name.
# Arguments: objdump, the executable, the list ("DLL!Function" lines), the highest subsystem
# version the loader of the oldest host takes (5.1 for 32-bit XP, 5.2 for XP x64).
set -uo pipefail
objdump=$1
exe=$2
list=$3
oldest=$4
version=$("$objdump" -p "$exe" | awk '/MajorSubsystemVersion/ {major = $2} /MinorSubsystemVersion/ {minor = $2}
  END {print major "." minor}')
if [ "$(printf '%s\n%s\n' "$version" "$oldest" | sort -V | tail -1)" != "$oldest" ]; then
  echo "FAIL: the image asks for subsystem version $version, newer than $oldest"
  exit 1
fi
imports=$("$objdump" -p "$exe" | awk '
  /DLL Name:/ { dll = toupper($3); next }
  dll != "" && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]+$/ { print dll "!" $NF }' | sort -u)
[ -n "$imports" ] || { echo "FAIL: no imports read from $exe"; exit 1; }
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|OLE32|OLEAUT32|COMDLG32|MSVCRT)\.DLL$'
foreign=$(echo "$imports" | cut -d'!' -f1 | sort -u | grep -Ev "$allowed")
if [ -n "$foreign" ]; then
  echo "FAIL: DLLs imported that the loader may take from the program's folder:"
  echo "$foreign"
  exit 1
fi
unknown=$(comm -23 <(echo "$imports") <(grep -v '^#' "$list" | sed 's/\r$//' | sort -u))
if [ -n "$unknown" ]; then
  echo "FAIL: imports not known to be in Windows XP:"
  echo "$unknown"
  exit 1
fi
echo "PASS: subsystem version $version, $(echo "$imports" | wc -l) imports, every one in Windows XP"
