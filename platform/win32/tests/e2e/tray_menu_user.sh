#!/usr/bin/env bash
# As a user would: with a real notification area on the display and a window of another program
# stamped ten times a second, click the program's tray icon, see its menu open, hold it open for
# three seconds while neither that window's title nor the caption of the program's own hidden
# window changes, keep a screenshot of it, open the settings dialog from it, type new values,
# keep a screenshot of the dialog, confirm with Enter, and choose "Выход" from the menu.
# Arguments: the folder of Lartsen.exe, the folder for the screenshot. Exit 77: skipped.
set -uo pipefail
bin=$1
shots=$2
root=$(cd "$(dirname "$0")/../../../.." && pwd)
run="$root/scripts/wine-run"

if [ -z "${DISPLAY:-}" ]; then echo "SKIP: no DISPLAY (run through scripts/with-display)"; exit 77; fi
for tool in trayer xdotool xwininfo import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

folder=$(mktemp -d /tmp/lartsen-tray.XXXXXX)
cp "$bin/Lartsen.exe" "$folder/Lartsen.exe"
printf 'NoSuchClass\r\n*\r\n*\r\n' >"$folder/Conditions.INI"
trayer_pid=
program_pid=
helper_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$helper_pid" ] && kill "$helper_pid" 2>/dev/null
  [ -n "$trayer_pid" ] && kill "$trayer_pid" 2>/dev/null
  rm -rf "$folder"
  "$run" reg delete 'HKCU\Software\Nerrowind\Ларцен' /f >/dev/null 2>&1 || true
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; xwininfo -root -tree | head -40; exit 1; }
wait_for() {  # seconds 'condition', evaluated anew on every try
  local limit=$(( $1 * 10 ))
  for _ in $(seq 1 "$limit"); do eval "$2" && return 0; sleep 0.1; done
  return 1
}
# Visible windows of the program: its main window stays hidden, so one is the open menu.
program_windows() { xdotool search --onlyvisible --class lartsen.exe 2>/dev/null; }
panel() { xdotool search --classname '^panel$' 2>/dev/null | head -1; }
# The notification area grows by one icon when the program docks its icon there.
panel_width() { xdotool getwindowgeometry "$(panel)" 2>/dev/null | awk '/Geometry/ {split($2, g, "x"); print g[1]}'; }

# The notification area. On a loaded machine it was once seen not to come up at all: one more
# start, and what it said kept for the failure.
start_tray() {
  trayer --edge top --align right --widthtype request --height 32 >"$folder/trayer.log" 2>&1 &
  trayer_pid=$!
}
start_tray
if ! wait_for 10 'test -n "$(panel)"'; then
  kill "$trayer_pid" 2>/dev/null
  echo "note: the notification area did not appear at first: $(tr '\n' ' ' <"$folder/trayer.log")"
  start_tray
  wait_for 20 'test -n "$(panel)"' ||
    fail "the notification area did not appear: $(tr '\n' ' ' <"$folder/trayer.log")"
fi

key='HKCU\Software\Nerrowind\Ларцен'
"$run" reg add "$key" /v "Refresh Rate" /t REG_DWORD /d 100 /f >/dev/null 2>&1 ||
  fail "could not store the refresh rate"
"$run" reg add "$key" /v "Time Format" /t REG_SZ /d "hh:nn:ss" /f >/dev/null 2>&1 ||
  fail "could not store the time format"
# The run reads the program's Russian captions, whatever the interface language here.
"$run" reg add "$key" /v "Language" /t REG_SZ /d "ru" /f >/dev/null 2>&1 ||
  fail "could not store the language"

# Another program's window, in the foreground when the program starts.
own_title="Окно пользователя"
"$run" "$bin/e2e_window_helper.exe" "$own_title" >/dev/null 2>&1 &
helper_pid=$!
user_window() { xdotool search --name "^$own_title" 2>/dev/null | head -1; }
wait_for 30 'test -n "$(user_window)"' || fail "the helper window did not appear"
user_title() { xdotool getwindowname "$(user_window)" 2>/dev/null; }

guid='{7D6F2105-7E08-4565-ABFE-7C4F127C890A}'
"$run" "$folder/Lartsen.exe" >/dev/null 2>&1 &
program_pid=$!
wait_for 30 'test -n "$(xdotool search --name "^.7D6F2105-7E08-4565-ABFE-7C4F127C890A.$" 2>/dev/null)"' ||
  fail "the program did not start"
main_window=$(xdotool search --name "^.7D6F2105-7E08-4565-ABFE-7C4F127C890A.$" 2>/dev/null | head -1)
wait_for 20 'test "$(panel_width)" -gt 2' || fail "no icon in the notification area"
# Docking the icon may give the notification area the foreground: click into the user's
# window, as its user would, to bring it back to the front.
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$(user_window)")"
xdotool mousemove $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 )) click 1
stamp_pattern="^$own_title \[[0-9][0-9]:[0-9][0-9]:[0-9][0-9]\]$"
# A slow start of the layer's loader may hold the first stamp back for a while.
wait_for 30 '[[ "$(user_title)" =~ $stamp_pattern ]]' ||
  fail "the window was not stamped as hh:nn:ss: '$(user_title)'; stored: $("$run" reg query "$key" 2>/dev/null | tr -d '\r' | tr -s ' \n' ' ')"

# The icon fills the panel's right end; click its middle.
eval "$(xdotool getwindowgeometry --shell "$(panel)")"
icon_x=$(( X + WIDTH - 12 ))
icon_y=$(( Y + HEIGHT / 2 ))
xdotool mousemove "$icon_x" "$icon_y" click 1
wait_for 10 'test -n "$(program_windows)"' || fail "clicking the icon opened no menu"
sleep 0.3  # the ticks of the moment the menu opened are over
# Held open for three seconds, thirty ticks: the stamped title stays as it was (no tick
# restores or restamps it) and the hidden window keeps its caption.
held_title=$(user_title)
# The click makes the notification area the foreground for a moment; a tick that falls into it
# gives the window its own title back, as for any other change of the foreground.
[[ "$held_title" =~ $stamp_pattern ]] ||
  echo "note: a tick fell into the moment the notification area had the foreground: '$held_title'"
for _ in $(seq 1 15); do
  sleep 0.2
  [ "$(user_title)" = "$held_title" ] || fail "a tick changed '$held_title' to '$(user_title)' under the open menu"
  [ "$(xdotool getwindowname "$main_window" 2>/dev/null)" = "$guid" ] ||
    fail "the hidden window's caption became '$(xdotool getwindowname "$main_window")'"
  test -n "$(program_windows)" || fail "the menu closed by itself"
done
echo "the menu stayed open for three seconds: '$held_title' and the hidden window's caption unchanged"
mkdir -p "$shots"
import -window root "$shots/menu.png" && echo "screenshot: $shots/menu.png"

# "Настройки..." is the third item, below the first separator: open the settings dialog.
menu=$(program_windows | head -1)
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $(( X + 40 )) $(( Y + 53 )) sleep 0.3 click 1
# The dialog's caption may carry the stamp by now: it is a window like any other.
settings_dialog() { xdotool search --onlyvisible --name '^Настройки' 2>/dev/null | head -1; }
wait_for 15 'test -n "$(settings_dialog)"' || fail "choosing Настройки... opened no dialog"
dialog=$(settings_dialog)
sleep 0.5
# No window manager runs on the display: give the dialog the keyboard as one would.
xdotool windowfocus --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
sleep 0.3
# The rate field has the focus with its text selected: type over it, then the template.
xdotool type --delay 50 "250"
xdotool key Tab
xdotool type --delay 50 "<%time%>"
sleep 0.5
import -window root "$shots/settings-dialog.png" && echo "screenshot: $shots/settings-dialog.png"
xdotool key Return
wait_for 15 'test -z "$(settings_dialog)"' || fail "Ok did not close the settings dialog"
rate=$("$run" reg query "$key" /v "Refresh Rate" 2>/dev/null | tr -d '\r' | awk '/Refresh Rate/ {print $NF}')
template=$("$run" reg query "$key" /v "Tittle Pattern" 2>/dev/null | tr -d '\r' | awk '/Tittle Pattern/ {print $NF}')
[ "$rate" = "0xfa" ] || fail "the refresh rate typed into the dialog was not stored (got '$rate')"
[ "$template" = "<%time%>" ] || fail "the template typed into the dialog was not stored (got '$template')"
echo "the settings dialog stored what was typed into it"

# Open the menu again; "Выход" is its last item: click it.
xdotool mousemove "$icon_x" "$icon_y" click 1
wait_for 10 'test -n "$(program_windows)"' || fail "clicking the icon opened no menu"
sleep 0.5
menu=$(program_windows | head -1)
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $(( X + 40 )) $(( Y + HEIGHT - 10 )) sleep 0.3 click 1
wait_for 15 '! kill -0 "$program_pid" 2>/dev/null' || fail "choosing Выход did not end the program"
program_pid=
echo "PASS: menu opened from the tray icon, settings typed into the dialog, Выход ended the program"
