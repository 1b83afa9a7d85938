#!/usr/bin/env bash
# The program unpacked from its Debian package (not installed) finds its data in the package's
# share/lartsen and stamps a window; SIGTERM gives the title back. Run under scripts/with-x11.
# Arguments: the .deb, the sample window program. Exit 77: skipped.
set -uo pipefail
deb=$1
sample_program=$2
source "$(dirname "$0")/../../../platform/linux/tests/desktop_session.sh"
[ -f "$deb" ] || { echo "SKIP: no package $deb (cmake --build --preset native --target lartsen_deb)"; exit 77; }

unpacked=$(mktemp -d /tmp/lartsen-deb.XXXXXX)
scratch=$unpacked
# The default settings, whatever ran before on this display.
XDG_CONFIG_HOME="$unpacked/config"
export XDG_CONFIG_HOME

dpkg-deb -x "$deb" "$unpacked" || { echo "FAIL: dpkg-deb -x failed"; exit 1; }
# The manual page in English, and in Russian where man looks for it in a Russian locale.
for page in man1/lartsen.1.gz ru/man1/lartsen.1.gz; do
  [ -s "$unpacked/usr/share/man/$page" ] || { echo "FAIL: no manual page $page in the package"; exit 1; }
done
# The help command opens the read-me in the program's language; both come with the package.
for read_me in ReadMe.TXT ReadMe.en.TXT; do
  [ -s "$unpacked/usr/share/lartsen/$read_me" ] || { echo "FAIL: the package holds no $read_me"; exit 1; }
done
start_trayer
"$sample_program" "Образец пакета" >/dev/null 2>&1 &
sample_pid=$!
wait_for 10 'window=$(xdotool search --onlyvisible --name "^Образец пакета$" 2>/dev/null | head -1); test -n "$window"' ||
  { echo "FAIL: the sample window did not appear"; exit 1; }
"$unpacked/usr/bin/lartsen" &
program_pid=$!
xdotool windowactivate "$window" 2>/dev/null
if ! wait_for 15 '[[ "$(xdotool getwindowname "$window")" =~ ^Образец\ пакета\ \[.+\]$ ]]'; then
  echo "FAIL: no stamp from $unpacked/usr/bin/lartsen: '$(xdotool getwindowname "$window")'"
  exit 1
fi
echo "stamped by the unpacked program: $(xdotool getwindowname "$window")"
kill -TERM "$program_pid"
wait_for 10 '! kill -0 "$program_pid" 2>/dev/null' || { echo "FAIL: SIGTERM did not end the program"; exit 1; }
program_pid=
restored=$(xdotool getwindowname "$window")
[ "$restored" = "Образец пакета" ] || { echo "FAIL: the title was not restored: '$restored'"; exit 1; }
echo "PASS: restored on SIGTERM: $restored"
