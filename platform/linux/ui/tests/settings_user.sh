#!/usr/bin/env bash
# As a user would, with the real program in a notification area: "Настройки..." from the tray
# menu, wrong values typed (each message read through Ctrl+C, the dialog stays open), both
# previews, good values confirmed with Enter (the settings file holds them and the stamp follows),
# Esc and Отмена changing nothing, About from the help submenu, and SIGTERM restoring the title
# while the dialog and a message box are open.
# Screenshots of the dialog, a preview and About. Run under scripts/with-x11 (a private session).
# Arguments: the folder of lartsen, the folder for the screenshots. Exit 77: skipped.
set -uo pipefail
bin=$1
shots=$2

source "$(dirname "$0")/../../tests/desktop_session.sh"
source "$(dirname "$0")/tray_user.sh"
settings_file="$XDG_CONFIG_HOME/Nerrowind/Ларцен/Settings.INI"
dialog() { window_named "^Настройки"; }

start_trayer
wait_for 10 'test -n "$(panel)"' || die "the notification area did not appear"
"$bin/sample_window" "Образец" >/dev/null 2>&1 &
sample_pid=$!
wait_for 10 'test -n "$(window_named "^Образец$")"' || die "the sample window did not appear"
sample=$(window_named "^Образец$")
# A user whose desktop speaks Russian: the messages checked below are the Russian ones.
LANGUAGE=ru "$bin/lartsen" >/dev/null 2>&1 &
program_pid=$!
wait_for 20 'test "$(panel_width)" -gt 2' || die "no icon in the notification area"
xdotool windowactivate "$sample" 2>/dev/null
wait_for 10 '[[ "$(title_of "$sample")" =~ ^Образец\ \[.+\]$ ]]' || die "the sample window got no stamp"

# "Настройки..." is the second command of the menu (the rule-count line is disabled).
open_menu
xdotool key Down Down Return
wait_for 10 'test -n "$(dialog)"' || die "choosing Настройки... opened no dialog"
sleep 0.5
shot linux-e2e-settings-dialog

invalid="Вы ввели неправильное значение частоты обновления."
range="Частота обновления должна лежать в интервале от 1 до 60000."
# The rate has the focus with its text selected: what is typed replaces it.
xdotool type --delay 30 "abc"; xdotool key Return
expect_box "$invalid" "letters as the rate"
test -n "$(dialog)" || die "a wrong rate closed the dialog"
# After each message the rate has the focus again, all selected.
xdotool key ctrl+a BackSpace Return
expect_box "$invalid" "an empty rate"
xdotool type --delay 30 "0"; xdotool key Return
expect_box "$range" "the rate 0"
xdotool type --delay 30 "60001"; xdotool key Return
expect_box "$range" "the rate 60001"
xdotool type --delay 30 "250"
# Tab: the template, selected; Tab: its preview button.
xdotool key Tab; xdotool type --delay 30 "<%time%>"
xdotool key Tab space
preview=$(take_box linux-e2e-preview)
samples=$(grep -c '^<.*>$' <<<"$preview")
blanks=$(grep -c '^$' <<<"$preview")
[ "$samples" = 5 ] && [ "$blanks" = 4 ] ||
  fail "the template preview should show five samples with an empty line between two, got: $preview"
# The preview gives the focus back to the template; Tab Tab: the time format.
xdotool key Tab Tab; xdotool type --delay 30 "0.00"; xdotool key Return
expect_box "Ошибка в формате времени!" "a number format as the time format"
xdotool type --delay 30 "hh:nn:ss"
xdotool key Tab space
preview=$(take_box)
samples=$(grep -cE '^[0-9]{2}:[0-9]{2}:[0-9]{2}$' <<<"$preview")
[ "$samples" = 5 ] || fail "the time format preview should show five times, got: $preview"
test -n "$(dialog)" || die "a preview closed the dialog"
# Back in the time format field, Enter is Ok.
xdotool key Return
wait_for 10 'test -z "$(dialog)"' || die "Enter did not confirm the dialog"
# Text values may stand in double quotes.
grep -qx 'Refresh Rate=250' "$settings_file" || fail "the rate was not stored: $(cat "$settings_file")"
grep -qxE 'Tittle Pattern="?<%time%>"?' "$settings_file" || fail "the template was not stored: $(cat "$settings_file")"
grep -qxE 'Time Format="?hh:nn:ss"?' "$settings_file" || fail "the time format was not stored: $(cat "$settings_file")"
xdotool windowactivate "$sample" 2>/dev/null
wait_for 5 '[[ "$(title_of "$sample")" =~ ^Образец\ \<[0-9]{2}:[0-9]{2}:[0-9]{2}\>$ ]]' ||
  fail "the stamp did not follow the new settings: $(title_of "$sample")"
echo "the dialog refused each wrong value, previewed five samples and stored what was confirmed"

# Esc after editing changes nothing.
# Compare the three keys only: a hand-written line may stand beside them.
three_settings() { grep -E '^(Time Format|Tittle Pattern|Refresh Rate)=' "$settings_file" | sort; }
stored=$(three_settings)
open_menu
xdotool key Down Down Return
wait_for 10 'test -n "$(dialog)"' || die "the dialog did not open again"
sleep 0.3
xdotool type --delay 30 "777"; xdotool key Tab; xdotool type --delay 30 "zzz"; xdotool key Escape
wait_for 10 'test -z "$(dialog)"' || die "Esc did not close the dialog"
[ "$(three_settings)" = "$stored" ] || fail "Esc changed the settings: $(three_settings)"
# And so does the Cancel button (Shift+Tab from the first field reaches it, Space presses it).
open_menu
xdotool key Down Down Return
wait_for 10 'test -n "$(dialog)"' || die "the dialog did not open a third time"
sleep 0.3
xdotool type --delay 30 "5"; xdotool key shift+Tab space
wait_for 10 'test -z "$(dialog)"' || die "Отмена did not close the dialog"
[ "$(three_settings)" = "$stored" ] || fail "Отмена changed the settings: $(three_settings)"
xdotool windowactivate "$sample" 2>/dev/null
wait_for 5 '[[ "$(title_of "$sample")" =~ ^Образец\ \<.+\>$ ]]' || fail "after Esc the stamp changed: $(title_of "$sample")"

# About: the help submenu is the item above "Выход", the last one.
open_menu
xdotool key Up Up Right Down Return
wait_for 10 'test -n "$(window_named "^О программе")"' || die "О программе... opened no dialog"
shot linux-e2e-about
xdotool key Return
wait_for 10 'test -z "$(window_named "^О программе")"' || fail "Ok did not close About"

# SIGTERM gives the window its own title back, even with the dialog and a message box open.
open_menu
xdotool key Down Down Return
wait_for 10 'test -n "$(dialog)"' || die "the dialog did not open a fourth time"
sleep 0.3
xdotool type --delay 30 "abc"; xdotool key Return
wait_for 10 'test -n "$(window_named "^Korvel - Ларцен")"' || die "no message box for the wrong rate"
xdotool windowactivate "$sample" 2>/dev/null
wait_for 5 '[[ "$(title_of "$sample")" =~ ^Образец\ \<.+\>$ ]]' || fail "no stamp while the dialog was open"
kill -TERM "$program_pid"
wait_for 10 '! kill -0 "$program_pid" 2>/dev/null' || die "SIGTERM did not end the program"
program_pid=
[ "$(title_of "$sample")" = "Образец" ] || fail "the title was not restored: $(title_of "$sample")"

[ "$failures" = 0 ] || exit 1
echo "PASS: settings from the tray menu, messages, previews, Enter, Esc, Отмена, About, SIGTERM restores"
