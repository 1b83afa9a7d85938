// What the program tells the user once about the session it runs in: Wayland, no tray.
#pragma once

#include <string>
#include <string_view>

namespace lartsen {

inline constexpr std::u16string_view kNoTrayMessage =
    u"Область уведомлений не найдена, поэтому Ларцен работает без значка.\r\n\r\n"
    u"Открыть настройки: lartsen --settings\r\n"
    u"Завершить программу: lartsen --quit\r\n\r\n"
    u"Эти команды есть и в меню запуска программ. Значок появится сам, когда область уведомлений заработает.";

inline constexpr std::u16string_view kWaylandMessage =
    u"Это сеанс Wayland. Ларцен ставит метку только в заголовки окон программ X11 (они работают "
    u"через XWayland): заголовок окна программы Wayland другая программа изменить не может.";

inline constexpr const char* kLostServerLine = "lartsen: связь с X-сервером потеряна\n";

// WAYLAND_DISPLAY set, or XDG_SESSION_TYPE=wayland.
bool IsWaylandSession();

// True the first time it is asked for this user: a mark in $XDG_STATE_HOME (else
// ~/.local/state)/lartsen remembers the note. A mark that cannot be made asks again next time.
bool FirstWaylandStart();

}  // namespace lartsen
