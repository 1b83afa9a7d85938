// The run in a sway session: Qt on Wayland (or XWayland), windows reached through sway's IPC.
#include "platform/linux/sway/sway_main.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>

#include "app/main_form.h"
#include "platform/linux/app/message_boxes_qt.h"
#include "platform/linux/app/refresh_timer_qt.h"
#include "platform/linux/app/signal_pipe.h"
#include "platform/linux/app/tray_window.h"
#include "platform/linux/sway/sway_program_parts.h"
#include "platform/linux/system/auto_start_linux.h"
#include "platform/linux/system/environment_linux.h"
#include "platform/linux/system/ini_settings_store.h"
#include "platform/linux/system/single_instance_linux.h"
#include "platform/linux/system/ui_language_linux.h"
#include "platform/linux/ui/about_dialog_qt.h"
#include "platform/linux/ui/random_qt.h"
#include "platform/linux/ui/settings_dialog_qt.h"
#include "support/error.h"
#include "support/text.h"

namespace lartsen::sway {
namespace {

// One lock per sway instance, named after its socket.
std::string InstanceLockPath(const std::string& socketPath) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string folder = runtime && runtime[0] != '\0' ? runtime : "/tmp";
  return folder + "/lartsen-sway-" + std::to_string(std::hash<std::string>{}(socketPath)) + ".lock";
}

}  // namespace

int RunSwayProgram(int argc, char** argv, const std::string& socketPath) {
  // Held for the whole run; a second start on the same instance ends here without a word.
  SingleInstanceLock guard(InstanceLockPath(socketPath));
  try {
    if (!guard.ClaimInstance()) return 0;
  } catch (const Error& error) {
    std::fprintf(stderr, "lartsen: %s\n", error.what());
    return 1;
  }

  // sway is the session's display server: Qt runs on Wayland, on XWayland only where no Wayland
  // display is named. The tray is a StatusNotifierItem, which swaybar shows.
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) {
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", wayland && wayland[0] != '\0' ? "wayland" : "xcb");
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lartsen"));
  QApplication::setQuitOnLastWindowClosed(false);

  linux_app::SignalPipe signalPipe([] { QApplication::quit(); });

  linux_app::MessageBoxesQt messages;
  Settings settings;
  std::unique_ptr<linux_app::TrayWindow> window;
  std::unique_ptr<SwayProgramParts> parts;
  std::unique_ptr<linux_app::RefreshTimerQt> timer;
  qt::Random random;
  std::unique_ptr<SettingsDialogPort> settingsDialog;
  std::unique_ptr<AboutPort> about;
  std::unique_ptr<MainForm> form;
  const UiLanguage language =
      ProgramUiLanguage([] { return std::make_unique<IniSettingsStore>(DefaultSettingsPath()); });
  const SettingsStoreFactory makeStore = [language] {
    return std::make_unique<IniSettingsStore>(DefaultSettingsPath(), language);
  };
  XdgAutoStart autoStart(ExecutablePath(), {}, language);
  try {
    window = std::make_unique<linux_app::TrayWindow>(language);
    parts = std::make_unique<SwayProgramParts>(settings, messages, socketPath, language);
    const auto services = parts->DialogServices();
    timer = std::make_unique<linux_app::RefreshTimerQt>(services.clock);
    settingsDialog = std::make_unique<qt::SettingsDialog>(SettingsDialogServices{
        services.settings, services.locale, services.clock, random, services.memory, services.environment,
        services.shell, makeStore, language});
    about = std::make_unique<qt::AboutDialog>(QIcon(QStringLiteral(":/lartsen/icon.ico")), nullptr, language);
    form = std::make_unique<MainForm>(settings, MainFormPorts{
        .Window = *window,
        .Rules = *parts,
        .Stamping = *parts,
        .AutoStart = autoStart,
        .Messages = messages,
        .SettingsDialog = *settingsDialog,
        .About = *about,
        .Timer = *timer,
        .MakeStore = makeStore,
        .TryTimeFormat = parts->TimeFormatCheck(),
        .Files = parts->Files(language)}, language);
    MainForm* f = form.get();
    timer->SetTickHandler([f] { f->OnTimer(); });
    window->SetCommandHandler([f](int id) { f->OnCommand(id); });
    window->SetUnloadHandler([] { QApplication::quit(); });
    form->Load();
    parts->StartWatching([f] { f->OnTimer(); }, [] { QApplication::quit(); });
  } catch (const std::exception& error) {
    if (form) form->Unload();
    window.reset();
    messages.ShowMessage(DescribeFailure(error, language), message_style::kCritical);
    return 1;
  }

  MainForm* f = form.get();
  QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                   [f](QSessionManager&) { f->Unload(); });
  QObject::connect(&application, &QCoreApplication::aboutToQuit, &application, [f] { f->Unload(); });
  const int status = QApplication::exec();
  form->Unload();
  return status;
}

}  // namespace lartsen::sway
