#!/usr/bin/env bash
# The real lartsen in a headless sway session with XWayland (scripts/with-sway): a native Wayland
# window (foot) and an X11 one (xlogo), the stamp through title_format, a switch, full screen, a
# rule by app_id, SIGTERM, kill -9 and a new start, a second copy; every command lartsen sends
# passes an IPC recorder and is checked; screenshots by grim.
#   lartsen_sway_e2e.sh BIN_DIR SCREENSHOT_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$1
shots=$2
skip() { echo "SKIP: $*"; exit 77; }
[ -n "${SWAYSOCK:-}" ] || skip "${LARTSEN_SWAY_SKIP:-no sway session (run under scripts/with-sway)}"
for tool in foot xlogo grim swaymsg python3; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/setup installs it)"
done
[ -n "${DISPLAY:-}" ] || skip "sway started without XWayland"
mkdir -p "$shots"
export LC_ALL=C.UTF-8  # the long time is then HH:mm:ss
work=$(mktemp -d)
chmod 755 "$work"
log="$work/commands.log"
pids=()
lartsen_pid=
failures=0

cleanup() {
  [ -n "$lartsen_pid" ] && kill "$lartsen_pid" 2>/dev/null
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

check() {  # check DESCRIPTION COMMAND...: one verdict line
  local what=$1; shift
  if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
wait_for() {  # wait_for SECONDS COMMAND...: true once the command succeeds
  local until
  until=$(($(date +%s%3N) + $(awk "BEGIN { print int($1 * 1000) }"))); shift
  while ! "$@"; do
    [ "$(date +%s%3N)" -ge "$until" ] && return 1
    sleep 0.05
  done
}
view_id() {  # view_id CRITERION VALUE: the container id of the view
  swaymsg -t get_tree | python3 -c '
import json, sys
key, value = sys.argv[1], sys.argv[2]
def walk(n):
    if "shell" in n:
        own = n.get("app_id") if key == "app_id" else (n.get("window_properties") or {}).get("class")
        if own == value: print(n["id"])
    for c in n.get("nodes", []) + n.get("floating_nodes", []): walk(c)
walk(json.load(sys.stdin))' "$1" "$2" | head -n1
}
# The format lartsen gave a container last, from the recorder; "%title" when it gave none.
format_of() {
  local f
  f=$(grep -a "\[con_id=$1\] title_format " "$log" | tail -n1 | sed -E "s/^[0-9.]+ \[con_id=[0-9]+\] title_format '(.*)'$/\1/")
  echo "${f:-%title}"
}
stamped() { [[ "$(format_of "$1")" =~ ^%title\ \[[0-9]{2}:[0-9]{2}:[0-9]{2}\]$ ]]; }
plain() { [ "$(format_of "$1")" = "%title" ]; }
sent() { wc -l <"$log"; }
focus() { swaymsg "[con_id=$1] focus" >/dev/null; }
start_lartsen() {
  SWAYSOCK="$work/recorded.sock" "$bin/lartsen" 2>>"$work/lartsen.err" &
  lartsen_pid=$!
}
stop_lartsen() {  # stop_lartsen SIGNAL: the exit status
  kill "-$1" "$lartsen_pid"
  { wait "$lartsen_pid"; } 2>/dev/null
  local status=$?
  lartsen_pid=
  return $status
}
shot() { grim "$shots/$1.png" 2>/dev/null; }

python3 "$here/sway_ipc_recorder.py" "$work/recorded.sock" "$log" &
pids+=($!)
wait_for 5 test -S "$work/recorded.sock" || skip "the IPC recorder did not start"

foot --title "Терминал" sleep 600 >/dev/null 2>&1 &
pids+=($!)
xlogo >/dev/null 2>&1 &
pids+=($!)
has_view() { [ -n "$(view_id "$1" "$2")" ]; }
wait_for 10 has_view app_id foot || skip "foot did not open a window"
wait_for 10 has_view class XLogo || skip "xlogo did not open a window on XWayland"
term=$(view_id app_id foot)
logo=$(view_id class XLogo)

rules="$XDG_CONFIG_HOME/Nerrowind/Ларцен"
mkdir -p "$rules"
: >"$rules/Conditions.INI"

focus "$term"
start_lartsen
check "the focused Wayland window is stamped once the program has started" wait_for 3 stamped "$term"
focus "$logo"
check "a switch moves the stamp to the X11 window within a second" wait_for 1 stamped "$logo"
check "and the first window's format is \"%title\" again" plain "$term"
sleep 0.3
shot sway-x11-window-stamped
focus "$term"
check "the focused Wayland window shows the stamp within a second" wait_for 1 stamped "$term"
check "and the X11 window's format is \"%title\" again" plain "$logo"
sleep 0.3
shot sway-wayland-window-stamped
focus "$logo"
wait_for 1 stamped "$logo"

swaymsg "[con_id=$logo] fullscreen enable" >/dev/null
sleep 0.3
before=$(sent)
sleep 2.2
check "full screen freezes the stamp: no command while it lasts" test "$(sent)" -eq "$before"
check "and the stamp stays on" stamped "$logo"
swaymsg "[con_id=$logo] fullscreen disable" >/dev/null
more_sent() { [ "$(sent)" -gt "$before" ]; }
check "the stamp is refreshed again once full screen ends" wait_for 2 more_sent

SWAYSOCK="$work/recorded.sock" timeout 10 "$bin/lartsen" 2>>"$work/lartsen.err"
check "a second copy on the same sway instance ends at once with status 0" test $? -eq 0
check "the first copy runs on" kill -0 "$lartsen_pid"

stop_lartsen TERM
check "SIGTERM ends the program with status 0" test $? -eq 0
check "SIGTERM resets every format" bash -c "[ \"\$1\" = %title ] && [ \"\$2\" = %title ]" _ "$(format_of "$term")" "$(format_of "$logo")"

# A killed run leaves its format; the next start resets it, while another window is in front.
focus "$term"
start_lartsen
check "stamped before a kill" wait_for 2 stamped "$term"
stop_lartsen KILL
check "a killed run leaves its format behind" stamped "$term"
focus "$logo"
start_lartsen
check "the next start resets the format a killed run left" wait_for 2 plain "$term"
check "and stamps the window in front" wait_for 2 stamped "$logo"
stop_lartsen TERM

# A rule by app_id (the class column) leaves the window alone.
printf '%s\n' "foot" "*" "*" >"$rules/Conditions.INI"
focus "$term"
start_lartsen
sleep 1.5
check "a rule by app_id leaves the window alone" plain "$term"
focus "$logo"
check "and the other window is stamped" wait_for 1 stamped "$logo"
stop_lartsen TERM
check "the run ends with every format reset" plain "$logo"

# Without an X server: Qt on Wayland, the tray icon a StatusNotifierItem in swaybar.
: >"$rules/Conditions.INI"
focus "$term"
start_lartsen() {
  env -u DISPLAY SWAYSOCK="$work/recorded.sock" "$bin/lartsen" 2>>"$work/lartsen.err" &
  lartsen_pid=$!
}
start_lartsen
on_wayland() { grep -q 'platforms/libqwayland' "/proc/$lartsen_pid/maps" 2>/dev/null; }
check "without DISPLAY the program runs on Qt's Wayland platform" wait_for 3 on_wayland
check "and stamps the focused window" wait_for 2 stamped "$term"
if [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  tray_items() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
      org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
      string:RegisteredStatusNotifierItems 2>/dev/null
  }
  icon_registered() { tray_items | grep -q 'string "'; }
  check "its tray icon is a StatusNotifierItem that swaybar hosts" wait_for 5 icon_registered
  sleep 0.5
  shot sway-tray-icon
fi
stop_lartsen TERM
check "and it ends with every format reset" plain "$term"

bad=$(grep -avE "^[0-9.]+ \[con_id=($term|$logo)\] title_format '%title( \[[0-9]{2}:[0-9]{2}:[0-9]{2}\])?'$" "$log")
check "every command sent was a title_format of a test window" test -z "$bad"
[ -n "$bad" ] && printf '  unexpected: %s\n' "$bad"
# One command per visible change: never the same format twice in a row for a container.
repeats=$(sed -E 's/^[0-9.]+ //' "$log" | awk '{ id = $1; if (last[id] == $0) n++; last[id] = $0 } END { print n + 0 }')
check "no command repeats the format a container already has" test "$repeats" -eq 0
echo "$(sent) command(s) sent in all"
grep -v "QStandardPaths\|systemTrayWindowChanged" "$work/lartsen.err" | head -5

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
