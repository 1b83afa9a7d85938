// Entry point of lartsen: an X11 session, one instance per user and display, the tray, the loop.
#include <QApplication>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "app/main_form.h"
#include "platform/linux/app/message_boxes_qt.h"
#include "platform/linux/app/placeholder_dialogs.h"
#include "platform/linux/ui/about_dialog_qt.h"
#include "platform/linux/ui/random_qt.h"
#include "platform/linux/ui/settings_dialog_qt.h"
#include "platform/linux/app/program_parts.h"
#include "platform/linux/app/refresh_timer_qt.h"
#include "platform/linux/app/signal_pipe.h"
#include "platform/linux/app/tray_window.h"
#include "platform/linux/system/auto_start_linux.h"
#include "platform/linux/system/environment_linux.h"
#include "platform/linux/system/ini_settings_store.h"
#include "platform/linux/system/single_instance_linux.h"
#include "platform/linux/sway/sway_ipc.h"
#include "platform/linux/sway/sway_main.h"
#include "platform/linux/x11/x11_connection.h"
#include "support/error.h"
#include "support/text.h"

namespace {

using namespace lartsen;

std::u16string Describe(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Error*>(&error)) return own->description();
  return FromUtf8(error.what());
}

int RunProgram(int argc, char** argv) {
  // In a sway session windows are reached through sway's IPC, Wayland ones and X11 ones alike.
  if (const auto swaySocket = sway::SessionSocketPath()) return sway::RunSwayProgram(argc, argv, *swaySocket);
  // Other programs' windows are reached through X11 only: without a display there is nothing to do.
  const char* display = std::getenv("DISPLAY");
  std::unique_ptr<x11::Connection> connection;
  if (display && display[0] != '\0') {
    try {
      connection = std::make_unique<x11::Connection>();
    } catch (const Error&) {
    }
  }
  if (!connection) {
    std::fputs("lartsen: нужен сеанс X11 (переменная DISPLAY не задана или X-сервер недоступен)\n", stderr);
    return 1;
  }

  // Held for the whole run; a second start ends here without a word.
  SingleInstanceLock guard;
  try {
    if (!guard.ClaimInstance()) return 0;
  } catch (const Error& error) {
    std::fprintf(stderr, "lartsen: %s\n", error.what());
    return 1;
  }

  // The tray and the menus must live on the same X display as the windows that get the stamp.
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lartsen"));
  QApplication::setQuitOnLastWindowClosed(false);

  // Signals close the program the orderly way, titles first; one that comes during start-up
  // waits in the pipe until the event loop runs.
  linux_app::SignalPipe signalPipe([] { QApplication::quit(); });

  linux_app::MessageBoxesQt messages;
  Settings settings;
  std::unique_ptr<linux_app::TrayWindow> window;
  std::unique_ptr<linux_app::ProgramParts> parts;
  std::unique_ptr<linux_app::RefreshTimerQt> timer;
  qt::Random random;
  std::unique_ptr<SettingsDialogPort> settingsDialog;
  std::unique_ptr<AboutPort> about;
  std::unique_ptr<MainForm> form;
  XdgAutoStart autoStart(ExecutablePath());
  try {
    window = std::make_unique<linux_app::TrayWindow>();
    parts = std::make_unique<linux_app::ProgramParts>(settings, messages, *connection);
    // The dialogs: each is handed what it needs from the program's parts.
    const auto services = parts->DialogServices();
    timer = std::make_unique<linux_app::RefreshTimerQt>(services.clock);
    settingsDialog = std::make_unique<qt::SettingsDialog>(SettingsDialogServices{
        services.settings, services.locale, services.clock, random, services.memory, services.environment,
        services.shell, [] { return std::make_unique<IniSettingsStore>(DefaultSettingsPath()); }});
    about = std::make_unique<qt::AboutDialog>(QIcon(QStringLiteral(":/lartsen/icon.ico")));
    form = std::make_unique<MainForm>(settings, MainFormPorts{
        .Window = *window,
        .Rules = *parts,
        .Stamping = *parts,
        .AutoStart = autoStart,
        .Messages = messages,
        .SettingsDialog = *settingsDialog,
        .About = *about,
        .Timer = *timer,
        .MakeStore = [] { return std::make_unique<IniSettingsStore>(DefaultSettingsPath()); },
        .TryTimeFormat = parts->TimeFormatCheck(),
        .Files = parts->Files()});
    MainForm* f = form.get();
    timer->SetTickHandler([f] { f->OnTimer(); });
    window->SetCommandHandler([f](int id) { f->OnCommand(id); });
    window->SetUnloadHandler([] { QApplication::quit(); });
    form->Load();
    parts->StartWatching([f] { f->OnTimer(); }, [] { QApplication::quit(); });
    timer->SetCoastCheck([p = parts.get()] { return p->StampFollowsOnlyTheClock(); });
  } catch (const std::exception& error) {
    // A start-up that failed leaves nothing behind: no icon, no stamp.
    if (form) form->Unload();
    window.reset();
    messages.ShowMessage(Describe(error), message_style::kCritical);
    return 1;
  }

  MainForm* f = form.get();
  // The end of the session, too.
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                   [f](QSessionManager&) { f->Unload(); });
  QObject::connect(&application, &QCoreApplication::aboutToQuit, &application,
                   [f] { f->Unload(); });
  const int status = QApplication::exec();
  form->Unload();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return RunProgram(argc, argv);
  } catch (...) {
    return 1;
  }
}
