#!/usr/bin/env bash
# The program in the language of its user: on an English desktop (LANG=en_US.UTF-8, nothing
# else set) the tray menu, the settings dialog with a wrong value's message, About and the
# command line speak English; on a Russian desktop, and on an English one whose settings file
# says Language=ru, Russian. Screenshots of the English menu, dialog, message and About.
# Run under scripts/with-x11 (a private session).
# Arguments: the folder of lartsen, the folder for the screenshots. Exit 77: skipped.
set -uo pipefail
bin=$1
shots=$2

source "$(dirname "$0")/../../tests/desktop_session.sh"
source "$(dirname "$0")/tray_user.sh"
settings_folder="$XDG_CONFIG_HOME/Nerrowind/Ларцен"
# Desktops whose only word on language is LANG. Commands, not functions: a program started in
# the background keeps its own pid, which the cleanup can end.
english=(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8)
russian=(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=ru_RU.UTF-8)
ended() { wait_for 10 '! kill -0 "$program_pid" 2>/dev/null'; }

start_trayer
wait_for 10 'test -n "$(panel)"' || die "the notification area did not appear"

# English: the menu, the settings dialog and its message, About.
"${english[@]}" "$bin/lartsen" >/dev/null 2>&1 &
program_pid=$!
wait_for 20 'test "$(panel_width)" -gt 2' || die "no icon in the notification area"
open_menu
shot linux-en-menu
# "Settings..." is the second command of the menu (the rule-count line is disabled). The program
# stamps its own dialogs too: their titles are matched at the start.
xdotool key Down Down Return
wait_for 10 'test -n "$(window_named "^Settings")"' || die "the second command opened no dialog called Settings"
shot linux-en-settings
xdotool type --delay 30 "abc"; xdotool key Return
[ "$(take_box linux-en-settings-invalid)" = "The refresh rate you entered is not valid." ] ||
  fail "the wrong rate's message is not the English one"
xdotool key Escape
wait_for 10 'test -z "$(window_named "^Settings")"' || die "Esc did not close Settings"
# About: the help submenu is the item above "Exit", the last one.
open_menu
xdotool key Up Up Right Down Return
wait_for 10 'test -n "$(window_named "^About")"' || die "the help submenu's About opened no dialog called About"
shot linux-en-about
xdotool key Return
wait_for 10 'test -z "$(window_named "^About")"' || fail "Ok did not close About"
"${english[@]}" "$bin/lartsen" --quit || fail "--quit did not end the running copy"
ended || die "the English copy did not end"
said=$("${english[@]}" "$bin/lartsen" --quit 2>&1)
[ "$said" = "lartsen: Lartsen is not running on this display" ] || fail "--quit with no copy said: $said"
echo "English: menu, Settings with its message, About, the command line"

# Russian: the locale says so; then an English locale with Language=ru in the settings file.
russian_dialog() {  # what the run is, command...
  local run=$1
  shift
  "$@" "$bin/lartsen" --settings >/dev/null 2>&1 &
  program_pid=$!
  wait_for 20 'test -n "$(window_named "^Настройки")"' || { fail "$run: no dialog called Настройки"; return; }
  sleep 0.3
  xdotool type --delay 30 "abc"; xdotool key Return
  expect_box "Вы ввели неправильное значение частоты обновления." "$run"
  xdotool key Escape
  "$@" "$bin/lartsen" --quit || fail "$run: --quit did not end the running copy"
  ended || die "$run: the copy did not end"
}
russian_dialog "LANG=ru_RU.UTF-8" "${russian[@]}"
mkdir -p "$settings_folder"
printf 'Language=ru\n' >"$settings_folder/Settings.INI"
russian_dialog "Language=ru under LANG=en_US.UTF-8" "${english[@]}"
said=$("${english[@]}" "$bin/lartsen" --quit 2>&1)
[ "$said" = "lartsen: Ларцен не запущен на этом дисплее" ] || fail "--quit under Language=ru said: $said"

[ "$failures" = 0 ] || exit 1
echo "PASS: English for an English desktop; Russian for a Russian one and for Language=ru"
