// Entry point of lartsen: the command line, an X11 session, one copy per X server, the tray, the loop.
#include <QApplication>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <thread>

#include "app/main_form.h"
#include "app/menu_model.h"
#include "platform/linux/app/instance_commands_qt.h"
#include "platform/linux/app/message_boxes_qt.h"
#include "platform/linux/ui/about_dialog_qt.h"
#include "platform/linux/ui/random_qt.h"
#include "platform/linux/ui/settings_dialog_qt.h"
#include "platform/linux/app/program_parts.h"
#include "platform/linux/app/refresh_timer_qt.h"
#include "platform/linux/app/signal_pipe.h"
#include "platform/linux/app/tray_window.h"
#include "platform/linux/system/auto_start_linux.h"
#include "platform/linux/system/command_line.h"
#include "platform/linux/system/environment_linux.h"
#include "platform/linux/system/ini_settings_store.h"
#include "platform/linux/system/safe_file.h"
#include "platform/linux/system/session_notes.h"
#include "platform/linux/system/ui_language_linux.h"
#include "platform/linux/system/single_instance_linux.h"
#include "platform/linux/x11/display_owner.h"
#include "platform/linux/sway/sway_ipc.h"
#include "platform/linux/sway/sway_main.h"
#include "platform/linux/x11/x11_connection.h"
#include "support/error.h"
#include "support/text.h"

namespace {

using namespace lartsen;

// The user's settings file; its failures are worded in `language`.
SettingsStoreFactory DefaultSettingsStore(UiLanguage language = UiLanguage::Russian) {
  return [language] { return std::make_unique<IniSettingsStore>(DefaultSettingsPath(), language); };
}

// One line on stderr in the user's language, after the program's name unless `named` is false.
void SayLine(UiText key, UiLanguage language, bool named = true) {
  const std::string line = (named ? "lartsen: " : "") + ToUtf8(TextOf(key, language)) + "\n";
  std::fputs(line.c_str(), stderr);
}

// A start that only talks to the copy running on this server: --quit waits until that copy has
// given the titles back and gone.
int QuitRunningCopy(x11::DisplayOwner& owner, UiLanguage language) {
  if (!owner.Send(x11::InstanceCommand::Quit)) {
    SayLine(UiText::NotRunningHere, language);
    return 1;
  }
  for (int waited = 0; waited < 200; ++waited) {
    if (owner.Owner() == 0) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  SayLine(UiText::DidNotEndInTime, language);
  return 1;
}

// Qt's own words for a server that went away are replaced by the program's line; everything
// else Qt says passes as it was.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QStringLiteral("X11 connection broke"))) {
    // A plain function has no program state to ask: the language is chosen again, as at the start.
    SayLine(UiText::X11ConnectionLost, ProgramUiLanguage(DefaultSettingsStore()));
    return;
  }
  std::fputs(qFormatLogMessage(type, context, text).toLocal8Bit().append('\n').constData(), stderr);
}

int RunProgram(int argc, char** argv) {
  // The command line speaks the language the program would: the settings file's, else the locale's.
  const UiLanguage language = ProgramUiLanguage(DefaultSettingsStore());
  const SettingsStoreFactory makeStore = DefaultSettingsStore(language);
  const StartRequest request = ParseCommandLine(argc, argv, language);
  switch (request.action) {
    case StartAction::Help:
      std::fputs(UsageText(language).c_str(), stdout);
      return 0;
    case StartAction::Version:
      std::printf("lartsen %s\n", LARTSEN_VERSION);
      return 0;
    case StartAction::Misuse:
      std::fprintf(stderr, "lartsen: %s\n%s", request.complaint.c_str(), UsageText(language).c_str());
      return 2;
    default:
      break;
  }

  // In a sway session windows are reached through sway's IPC, Wayland ones and X11 ones alike.
  // The commands to a running copy travel over X11 only.
  if (const auto swaySocket = sway::SessionSocketPath()) {
    if (request.action == StartAction::Quit) {
      SayLine(UiText::SwayQuitFromMenu, language);
      return 1;
    }
    return sway::RunSwayProgram(argc, argv, *swaySocket);
  }
  // Other programs' windows are reached through X11 only: without a display there is nothing to do.
  const char* display = std::getenv("DISPLAY");
  std::unique_ptr<x11::Connection> connection;
  std::unique_ptr<x11::Connection> ownerConnection;
  if (display && display[0] != '\0') {
    try {
      connection = std::make_unique<x11::Connection>();
      ownerConnection = std::make_unique<x11::Connection>();
    } catch (const Error&) {
      connection.reset();
    }
  }
  if (!connection) {
    SayLine(UiText::NeedsX11Session, language);
    return 1;
  }

  // One copy per X server, whoever runs it (another user, sudo): two would stamp each other's
  // stamps. The per-user lock stays for the journal, which both would otherwise share.
  std::unique_ptr<x11::DisplayOwner> owner;
  SingleInstanceLock guard;
  try {
    owner = std::make_unique<x11::DisplayOwner>(*ownerConnection);
    if (request.action == StartAction::Quit) return QuitRunningCopy(*owner, language);
    if (!owner->Claim()) {
      if (request.action == StartAction::OpenSettings && owner->Send(x11::InstanceCommand::OpenSettings)) return 0;
      SayLine(UiText::AlreadyRunningHere, language, false);
      return 0;
    }
    if (!guard.ClaimInstance()) {
      SayLine(UiText::AlreadyRunningHere, language, false);
      return 0;
    }
  } catch (const Error& error) {
    std::fprintf(stderr, "lartsen: %s\n", error.what());
    return 1;
  }

  // The tray and the menus must live on the same X display as the windows that get the stamp.
  qputenv("QT_QPA_PLATFORM", "xcb");
  qInstallMessageHandler(QuietQtMessages);
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
  std::unique_ptr<linux_app::InstanceCommandsQt> commands;
  XdgAutoStart autoStart(ExecutablePath(), {}, language);
  try {
    window = std::make_unique<linux_app::TrayWindow>(language);
    parts = std::make_unique<linux_app::ProgramParts>(settings, messages, *connection, language);
    // The dialogs: each is handed what it needs from the program's parts.
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
    parts->StartWatching([f] { f->OnTimer(); }, [language] {
      SayLine(UiText::X11ConnectionLost, language);
      QApplication::exit(1);
    });
    commands = std::make_unique<linux_app::InstanceCommandsQt>(*owner, [f](x11::InstanceCommand command) {
      if (command == x11::InstanceCommand::Quit) QApplication::quit();
      else f->OnCommand(ContextCommandId(kSettingsIndex));
    });
    timer->SetCoastCheck([p = parts.get()] { return p->StampFollowsOnlyTheClock(); });
  } catch (const std::exception& error) {
    // A start-up that failed leaves nothing behind: no icon, no stamp.
    if (form) form->Unload();
    window.reset();
    messages.ShowMessage(DescribeFailure(error, language), message_style::kCritical);
    return 1;
  }

  MainForm* f = form.get();
  if (request.action == StartAction::OpenSettings) {
    QTimer::singleShot(0, &application, [f] { f->OnCommand(ContextCommandId(kSettingsIndex)); });
  }
  // A Wayland program's title is out of any other program's reach: said once, at the first start there.
  if (IsWaylandSession() && FirstWaylandStart()) {
    QTimer::singleShot(0, &application, [&messages, language] {
      messages.ShowMessage(TextOf(UiText::WaylandNote, language), message_style::kInformation);
    });
  }
  // A settings file that is there but cannot be read is never written over; the user learns
  // why the defaults apply.
  QTimer::singleShot(0, &application, [&messages, language] {
    try {
      ReadFileText(DefaultSettingsPath(), language);
    } catch (const Error& error) {
      messages.ShowMessage(
          std::u16string(TextOf(UiText::SettingsNotRead, language)) + u"\r\n\r\n" + error.DescriptionIn(language),
          message_style::kCritical);
    }
  });
  // Without a notification area the program has no face: the user learns how to reach it.
  // The icon still shows up by itself when a tray starts later.
  QTimer::singleShot(10000, &application, [&messages, language] {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
      messages.ShowMessage(TextOf(UiText::NoTrayNote, language), message_style::kInformation);
    }
  });
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
