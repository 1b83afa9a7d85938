#!/usr/bin/env bash
# The real lartsen in unusual sessions and with the user's files, under scripts/with-x11: no
# notification area (the note after 10 s, screenshot), a second copy of another user on another
# spelling of the display, a 300,000-character title, 100 switches that leave Settings.INI
# alone, --settings and --quit, a 0600 and a symlinked Settings.INI kept so by a save, and a
# save into a read-only folder (the message, the dialog stays open).
#   lartsen_session_e2e.sh BIN_DIR SCREENSHOT_DIR        Exit 77: skipped.
set -uo pipefail
bin=$1
shots=$2
source "$(dirname "$0")/../desktop_session.sh"
for tool in xdotool import setpriv; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
mkdir -p "$shots"
export LC_ALL=C.UTF-8  # the long time is then HH:mm:ss
scratch=$(mktemp -d /tmp/lartsen-session.XXXXXX)
chmod 755 "$scratch"
window_pids=()
cleanup_windows() { for p in "${window_pids[@]}"; do kill "$p" 2>/dev/null; done; }
trap 'cleanup_windows; cleanup' EXIT

failures=0
check() {  # check DESCRIPTION 'condition'; a failure lists the windows on screen
  if eval "$2"; then echo "ok   - $1"; return; fi
  echo "FAIL - $1"
  failures=$((failures + 1))
  xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | cut -c1-80 | sed 's/^/       window: /'
  xdotool search --name '^Настр' 2>/dev/null | while read -r w; do echo "       hidden: $w $(xdotool getwindowname $w) $(xwininfo -id $w | grep -E 'Map State|Absolute')"; done
  import -window root "$shots/linux-session-failure-$failures.png" 2>/dev/null
}
title() { xdotool getwindowname "$1" 2>/dev/null; }
stamped() { [[ "$(title "$1")" =~ ^"$2"\ \[[0-9]{2}:[0-9]{2}:[0-9]{2}\]$ ]]; }
window() {  # window ARGS...: a test window; its id in $win
  local out="$scratch/w$RANDOM"
  "$bin/lartsen-test-window" "$@" >"$out" 2>/dev/null &
  window_pids+=($!)
  wait_for 5 "test -s '$out'" || return 1
  win=$(cat "$out")
}
activate() { xdotool windowactivate --sync "$1" >/dev/null 2>&1; }
box() { xdotool search --onlyvisible --name '^Korvel - Ларцен' 2>/dev/null | head -1; }
dialog() { xdotool search --onlyvisible --name '^Настройки' 2>/dev/null | head -1; }

# The program's user: root is not stopped by file modes, so the program runs as "nobody" with
# folders of its own; another user's copy runs as root.
as_user=()
user_home="$scratch/home"
mkdir -p "$user_home/.config/Nerrowind/Ларцен" "$user_home/run"
if [ "$(id -u)" = 0 ]; then
  chown -R 65534:65534 "$user_home"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 700 "$user_home/run"
config="$user_home/.config/Nerrowind/Ларцен"
# Users whose desktops speak Russian: the program's lines and captions below are the Russian ones.
user_env=(env LANGUAGE=ru HOME="$user_home" XDG_CONFIG_HOME="$user_home/.config" XDG_RUNTIME_DIR="$user_home/run")
lartsen() { "${as_user[@]}" "${user_env[@]}" "$bin/lartsen" "$@"; }
start() {  # the program in the background, its pid in program_pid
  "${as_user[@]}" "${user_env[@]}" "$bin/lartsen" "$@" 2>>"$scratch/stderr" &
  program_pid=$!
}
press() { xdotool windowactivate --sync "$1" >/dev/null 2>&1; xdotool key "$2"; }
printf 'Refresh Rate=1000\n; the user'"'"'s own note\n' >"$config/Settings.INI"
[ "$(id -u)" = 0 ] && chown 65534:65534 "$config/Settings.INI"

# No notification area: the program stamps all the same and, after 10 s, says how to reach it.
window --title "probe" && probe=$win
window --title "other" && other=$win
activate "$probe"
start
check "without a tray the window is stamped" "wait_for 5 'stamped $probe probe'"
check "after 10 s a box tells how to reach the program" "wait_for 15 'test -n \"\$(box)\"'"
sleep 0.5
import -window root "$shots/linux-no-tray-note.png" 2>/dev/null
check "the screenshot of the note is saved" "test -s '$shots/linux-no-tray-note.png'"
press "$(box)" Return
check "the note closes" "wait_for 5 'test -z \"\$(box)\"'"
activate "$probe"

# A second copy: another user, another runtime folder and home, another spelling of the display.
other_home="$scratch/other"
mkdir -p "$other_home/run" && chmod 700 "$other_home/run"
started=$SECONDS
message=$(env LANGUAGE=ru HOME="$other_home" XDG_CONFIG_HOME="$other_home/.config" XDG_RUNTIME_DIR="$other_home/run" \
  DISPLAY="$DISPLAY.0" timeout 10 "$bin/lartsen" 2>&1)
status=$?
check "a second copy ends at once with status 0" "test $status -eq 0 && test $((SECONDS - started)) -le 3"
check "and says why in one line" "test \"\$message\" = 'Ларцен уже работает на этом дисплее'"
sleep 2
check "the title carries one stamp" "stamped $probe probe"

# 100 switches: the settings file is not written at all.
before=$(sha256sum <"$config/Settings.INI")
before_time=$(stat -c %Y.%i "$config/Settings.INI")
for _ in $(seq 1 50); do activate "$other"; activate "$probe"; done
check "100 switches leave Settings.INI byte-identical" \
  "test \"\$(sha256sum <'$config/Settings.INI')\" = '$before' && test \"\$(stat -c %Y.%i '$config/Settings.INI')\" = '$before_time'"
check "the journal of the stamped window lives in the runtime folder, mode 0600" \
  "test \"\$(stat -c %a '$user_home/run/'lartsen-*.journal 2>/dev/null)\" = 600"

# A title of 300,000 characters is read whole; far beyond a stamped title's bound, it is left
# as it is, not cut.
python3 -c "print('Д' * 299997 + 'end', end='')" >"$scratch/long"
window --title-file "$scratch/long" && long=$win
own=$(cat "$scratch/long")
activate "$long"
sleep 1.5
check "a 300,000-character title is left whole while it is in front" "test \"\$(title $long)\" = \"\$own\""
activate "$probe"
check "and after the foreground moves on" "wait_for 3 'stamped $probe probe' && test \"\$(title $long)\" = \"\$own\""

# --settings reaches the running copy; Ok saves through the symlink, keeping mode and link.
mkdir -p "$config/dotfiles"
mv "$config/Settings.INI" "$config/dotfiles/Settings.INI"
chmod 600 "$config/dotfiles/Settings.INI"
ln -s dotfiles/Settings.INI "$config/Settings.INI"
[ "$(id -u)" = 0 ] && chown -h -R 65534:65534 "$config"
lartsen --settings 2>>"$scratch/stderr"
check "--settings opens the dialog of the running copy" "wait_for 10 'test -n \"\$(dialog)\"'"
sleep 0.5
import -window root "$shots/linux-settings-by-command.png" 2>/dev/null
press "$(dialog)" Return
check "Ok closes it" "wait_for 5 'test -z \"\$(dialog)\"'"
check "Settings.INI stays a symbolic link" "test -L '$config/Settings.INI'"
check "its target keeps mode 0600" "test \"\$(stat -c %a '$config/dotfiles/Settings.INI')\" = 600"
check "and holds the saved settings with the user's note" \
  "grep -qx 'Refresh Rate=1000' '$config/dotfiles/Settings.INI' && grep -q 'the user' '$config/dotfiles/Settings.INI'"

# A read-only folder: the save fails, the user reads why, and the dialog stays.
if [ ${#as_user[@]} -gt 0 ]; then
  rm "$config/Settings.INI"
  chmod 555 "$config"
  lartsen --settings
  wait_for 10 'test -n "$(dialog)"'
  sleep 0.3
  press "$(dialog)" Return
  check "a save into a read-only folder shows a message" "wait_for 5 'test -n \"\$(box)\"'"
  sleep 0.3
  import -window root "$shots/linux-settings-not-saved.png" 2>/dev/null
  press "$(box)" Return
  check "and the dialog stays open" "wait_for 5 'test -z \"\$(box)\"' && test -n \"\$(dialog)\""
  press "$(dialog)" Escape
  wait_for 5 'test -z "$(dialog)"'
  chmod 755 "$config"
else
  echo "skip - a read-only folder does not stop root, and no other user is at hand"
fi

# --quit: the orderly end, titles given back.
activate "$probe"
wait_for 5 "stamped $probe probe"
lartsen --quit
status=$?
check "--quit returns 0 once the program has ended" "test $status -eq 0 && ! kill -0 $program_pid 2>/dev/null"
program_pid=
check "--quit gives the stamped title back" "test \"\$(title $probe)\" = probe"
lartsen --quit 2>/dev/null
check "--quit with no copy running ends with status 1" "test $? -eq 1"

# SIGTERM with the long window in front.
start
activate "$probe"
check "stamped again" "wait_for 5 'stamped $probe probe'"
activate "$long"
sleep 1.2
kill -TERM "$program_pid"
wait_for 10 "! kill -0 $program_pid 2>/dev/null"
program_pid=
check "after SIGTERM the long title is whole" "test \"\$(title $long)\" = \"\$own\""
check "and the other window has its own title" "test \"\$(title $probe)\" = probe"

[ "$failures" -eq 0 ] || sed 's/^/       program: /' "$scratch/stderr"
echo "$failures failure(s)"
[ "$failures" -eq 0 ]
