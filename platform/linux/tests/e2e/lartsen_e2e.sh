#!/usr/bin/env bash
# The real lartsen as a user meets it, in an X11 session with openbox and trayer (scripts/with-x11):
# stamping and restoring on a switch, rules by class, title and executable, full screen, SIGTERM,
# a second start, the tray icon's menu (screenshot) and "Выход"; writes only of changed titles,
# and no endless round with a window that retitles itself.
#   lartsen_e2e.sh BIN_DIR SCREENSHOT_DIR
set -uo pipefail
bin=$1
shots=$2
mkdir -p "$shots"
: "${DISPLAY:?run under scripts/with-x11}"
export LC_ALL=C.UTF-8  # the long time is then HH:mm:ss
work=$(mktemp -d)
pids=()
lartsen_pid=
failures=0

cleanup() {
  [ -n "$lartsen_pid" ] && kill "$lartsen_pid" 2>/dev/null
  for p in "${pids[@]}" $(cat "$work/window-pids" 2>/dev/null); do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

check() {  # check DESCRIPTION COMMAND...: one verdict line
  local what=$1; shift
  if "$@"; then echo "ok   - $what"; else echo "FAIL - $what"; failures=$((failures + 1)); fi
}
title() { xprop -id "$1" _NET_WM_NAME | sed -E 's/^[^"]*"(.*)"$/\1/'; }
wait_for() {  # wait_for SECONDS COMMAND...: true once the command succeeds
  local until=$((SECONDS + $1)); shift
  while ! "$@"; do
    [ $SECONDS -ge $until ] && return 1
    sleep 0.1
  done
}
stamped() { [[ "$(title "$1")" =~ ^"$2"\ \[[0-9]{2}:[0-9]{2}:[0-9]{2}\]$ ]]; }
titled() { [ "$(title "$1")" = "$2" ]; }
window() {  # window PROGRAM ARGS...: starts a test window, prints its id
  local out="$work/w$RANDOM"
  "$@" >"$out" 2>/dev/null &
  echo $! >>"$work/window-pids"  # this runs in a subshell: the list lives in a file
  wait_for 5 test -s "$out" || return 1
  cat "$out"
}
activate() { xdotool windowactivate --sync "$1" >/dev/null 2>&1; }
start_lartsen() {
  "$bin/lartsen" &
  lartsen_pid=$!
}
stop_lartsen() {  # stop_lartsen SIGNAL: the exit status
  kill "-$1" "$lartsen_pid"
  { wait "$lartsen_pid"; } 2>/dev/null
  local status=$?
  lartsen_pid=
  return $status
}

# The user's rules: one by class, one by title, one by executable.
rules="$XDG_CONFIG_HOME/Nerrowind/Ларцен"
mkdir -p "$rules"
printf '%s\n' "ПоКлассу" "*" "*" "*" "Не трогать*" "*" "*" "*" "lartsen-probe" >"$rules/Conditions.INI"
cp "$bin/lartsen-test-window" "$work/lartsen-probe"

trayer --edge top --align right --widthtype pixel --width 64 --heighttype pixel --height 32 \
  --SetDockType true >/dev/null 2>&1 &
pids+=($!)
wait_for 5 xdotool search --class trayer >/dev/null

a=$(window "$bin/lartsen-test-window" --title "Первое окно")
b=$(window "$bin/lartsen-test-window" --title "Second")
activate "$a"
start_lartsen
check "an ordinary window is stamped at once" wait_for 5 stamped "$a" "Первое окно"
activate "$b"
check "the next window is stamped on a switch" wait_for 3 stamped "$b" "Second"
check "the window left behind gets its own title back" titled "$a" "Первое окно"

for rule in class title executable; do
  case $rule in
    class) w=$(window "$bin/lartsen-test-window" --class ПоКлассу --title ByClass); own=ByClass ;;
    title) w=$(window "$bin/lartsen-test-window" --title "Не трогать это"); own="Не трогать это" ;;
    executable) w=$(window "$work/lartsen-probe" --title probe); own=probe ;;
  esac
  activate "$w"
  sleep 1.5
  check "a rule by $rule leaves \"$own\" alone" titled "$w" "$own"
  check "and restores the window stamped before" titled "$b" "Second"
done

activate "$b"
wait_for 3 stamped "$b" "Second"
full=$(window "$bin/lartsen-test-window" --title "Фильм" --fullscreen)
activate "$full"
frozen=$(title "$b")
sleep 2.2
check "a full-screen window is not stamped" titled "$full" "Фильм"
check "while it is in front the last stamp stays, unrefreshed" titled "$b" "$frozen"
activate "$b"
check "SIGTERM: stamped first" wait_for 3 stamped "$b" "Second"
stop_lartsen TERM
check "SIGTERM ends the program with status 0" test $? -eq 0
check "SIGTERM restores the stamped title" titled "$b" "Second"

# A run that is killed leaves its stamp; the next start takes it back (the journal in the
# runtime folder). The full-screen window in front keeps the first refresh from stamping again.
start_lartsen
check "stamped before a kill" wait_for 5 stamped "$b" "Second"
stop_lartsen KILL
check "a killed run leaves its stamp behind" stamped "$b" "Second"
activate "$full"
# With a refresh once a minute, only the watches can move the stamp within a second.
printf 'Refresh Rate=60000\n' >>"$rules/Settings.INI"
start_lartsen
check "the next start takes back the stamp a killed run left" wait_for 5 titled "$b" "Second"
activate "$b"
check "stamped after a new start" wait_for 5 stamped "$b" "Second"
activate "$a"
check "a switch moves the stamp at once, not at the next refresh" wait_for 1 stamped "$a" "Первое окно"
check "and gives the window left behind its title back" titled "$b" "Second"
xdotool set_window --name "Переименовано" "$a"
check "the application's new title gets the stamp at once" wait_for 1 stamped "$a" "Переименовано"
settled=$(title "$a")
sleep 1.5
check "the program's own writes start no further refresh" titled "$a" "$settled"
timeout 10 "$bin/lartsen"
check "a second start ends at once with status 0" test $? -eq 0
check "the first instance runs on" kill -0 "$lartsen_pid"

# The tray icon: docked in trayer's strip at the top, a click on it opens the menu.
visible_windows() { xdotool search --onlyvisible --class '^lartsen$' 2>/dev/null; }
icon_docked() {
  icon=$(visible_windows | head -1)
  [ -n "$icon" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$icon")"
  [ "$Y" -lt 32 ] && [ "$X" -gt 1200 ]
}
check "the icon docks in the notification area" wait_for 5 icon_docked
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 0.3
xdotool click 1
menu_open() { [ "$(visible_windows | wc -l)" -ge 2 ]; }
check "a click on the icon opens the menu" wait_for 5 menu_open
sleep 0.5
import -window root "$shots/linux-tray-menu.png" 2>/dev/null
check "the screenshot of the open menu is saved" test -s "$shots/linux-tray-menu.png"

# "Перезагрузить списки" (the first item) with a broken user file: the error in a message box.
printf '%s\n' one two three four >"$rules/Conditions.INI"
xdotool key Down Return
message_box() { xdotool search --onlyvisible --name '^Korvel - Ларцен' >/dev/null 2>&1; }
check "a broken rules file is reported in a box titled \"Korvel - Ларцен\"" wait_for 5 message_box
import -window root "$shots/linux-rules-message.png" 2>/dev/null
xdotool key Return
check "the box closes" wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Korvel - Ларцен' >/dev/null 2>&1"
activate "$a"

# "Выход" is the menu's last item: Up from the top wraps to it.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
sleep 0.3
xdotool click 1
wait_for 5 menu_open
xdotool key Up Return
check "\"Выход\" ends the program" wait_for 5 bash -c "! kill -0 $lartsen_pid 2>/dev/null"
wait "$lartsen_pid" 2>/dev/null
lartsen_pid=
check "\"Выход\" restores the stamped title" titled "$a" "Переименовано"

# What a stamp costs the desktop: at rate 1 ms a title is written as often as its text changes
# (once a second), not on every tick. xprop prints the title once, then once per change.
set_rate() { sed -i '/^Refresh Rate=/d' "$rules/Settings.INI"; printf 'Refresh Rate=%s\n' "$1" >>"$rules/Settings.INI"; }
title_changes() { timeout "$2" stdbuf -oL xprop -spy -id "$1" _NET_WM_NAME | tail -n +2 | wc -l; }
printf '%s\n' "ПоКлассу" "*" "*" >"$rules/Conditions.INI"
set_rate 1
activate "$b"
start_lartsen
wait_for 5 stamped "$b" "Second"
changes=$(title_changes "$b" 3)
check "at rate 1 ms the title changes at most twice a second ($changes in 3 s)" test "$changes" -le 6
stop_lartsen TERM

# An application that answers every title written to it with one of its own gets at most one
# extra write per refresh: two writes and two answers a second at 1000 ms, not an endless loop.
set_rate 1000
loop=$(window "$bin/lartsen-test-window" --title "Сам себе" --retitle-on-change)
activate "$loop"
start_lartsen
wait_for 5 bash -c "xprop -id $loop _NET_WM_NAME | grep -q '\\['"
changes=$(title_changes "$loop" 3)
check "a window that retitles itself on every write is not driven round ($changes changes in 3 s)" \
  test "$changes" -le 16
check "and the program still follows it" kill -0 "$lartsen_pid"
stop_lartsen TERM

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
