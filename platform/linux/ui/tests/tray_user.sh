# Sourced by the tests that drive the real program from its tray icon as a user would: failures
# counted, windows found by name, screenshots into $shots, message boxes read through Ctrl+C, the
# icon's menu opened with a click. Needs desktop_session.sh sourced first, and $shots set.
for tool in trayer xdotool xclip import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
mkdir -p "$shots"
# Settings of its own, starting empty, whatever ran before on this display.
XDG_CONFIG_HOME=$(mktemp -d /tmp/lartsen-config.XXXXXX)
export XDG_CONFIG_HOME
scratch=$XDG_CONFIG_HOME

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
die() { echo "FAIL: $*"; xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | head -20; exit 1; }
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
title_of() { xdotool getwindowname "$1" 2>/dev/null; }
shot() { sleep 0.4; import -window root "$shots/$1.png" && echo "screenshot: $shots/$1.png"; }

# The message box that the last key or click opened: its text through Ctrl+C, then OK (Enter).
# The boxes carry the program's title; the program may stamp them like any window.
take_box() {
  wait_for 10 'test -n "$(window_named "^Korvel - Ларцен")"' || { echo "<no message box>"; return; }
  local box
  box=$(window_named "^Korvel - Ларцен")
  sleep 0.2
  printf '' | xclip -selection clipboard
  xdotool key --window "$box" ctrl+c 2>/dev/null || xdotool key ctrl+c
  sleep 0.3
  [ -n "${1:-}" ] && shot "$1" >&2
  xclip -o -selection clipboard 2>/dev/null
  xdotool key Return
  wait_for 10 'test -z "$(window_named "^Korvel - Ларцен")"' || echo "<the box stayed open>"
  sleep 0.3
}
expect_box() {  # expected text, action description
  local got
  got=$(take_box)
  [ "$got" = "$1" ] || fail "$2: expected the message '$1', got '$got'"
}

# The notification area grows by one icon when the program docks its icon there.
panel() { xdotool search --classname '^panel$' 2>/dev/null | head -1; }
panel_width() { xdotool getwindowgeometry "$(panel)" 2>/dev/null | awk '/Geometry/ {split($2, g, "x"); print g[1]}'; }
open_menu() {
  local before after
  before=$(xdotool search --onlyvisible --class lartsen 2>/dev/null | sort)
  eval "$(xdotool getwindowgeometry --shell "$(panel)")"
  xdotool mousemove $((X + WIDTH - 12)) $((Y + HEIGHT / 2)) click 1
  wait_for 10 'after=$(xdotool search --onlyvisible --class lartsen 2>/dev/null | sort); test "$after" != "$before"' ||
    die "clicking the icon opened no menu"
  sleep 0.4
}
