// Entry point of Lartsen.exe: one instance per session, the hidden main window, the message loop.
#include <windows.h>

#include <exception>

#include "app/main_form.h"
#include "platform/win32/app/auto_start_win32.h"
#include "platform/win32/app/com_apartment.h"
#include "platform/win32/app/main_window.h"
#include "platform/win32/app/message_boxes.h"
#include "platform/win32/app/program_parts.h"
#include "platform/win32/app/registry_settings_store.h"
#include "platform/win32/app/single_instance.h"
#include "platform/win32/system_library.h"
#include "settings/settings_store.h"
#include "support/error.h"
#include "support/text.h"
#include "support/types.h"
#include "support/ui_text.h"

namespace {

using namespace lartsen;

#ifdef LARTSEN_CRASH_TRIGGER
// Test builds only: a message to the main window that makes the program fail as a fault or an
// escaped exception would, outside every handler of its own.
constexpr UINT kCrashMessage = WM_APP + 0x7E5;
void CrashOnRequest(const MSG& message) {
  if (message.message != kCrashMessage) return;
  if (message.wParam == 1) RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  if (message.wParam == 2) std::terminate();
}
#endif

int RunProgram(HINSTANCE instance) {
  // Before any shell call (the tray, opening files); left after everything else has gone.
  const win32::ComApartment apartment;
  win32::MessageBoxes messages;
  const SettingsStoreFactory makeStore = [] { return std::make_unique<win32::RegistrySettingsStore>(); };
  // The user's choice in the settings, else the language of the user's interface; known before
  // anything can fail, so that every failure is told in it.
  const UiLanguage language = ChooseUiLanguage(makeStore, LanguageOfLangId(GetUserDefaultUILanguage()));
  // Held for the whole run; a second start ends here without a word.
  win32::SingleInstanceGuard guard;
  try {
    if (!guard.ClaimInstance(AppGuid)) return 0;
  } catch (const std::exception& error) {
    messages.ShowMessage(DescribeFailure(error, language), message_style::kCritical);
    return 1;
  }

  Settings settings;
  std::unique_ptr<win32::MainWindow> window;
  std::unique_ptr<win32::ProgramParts> parts;
  std::unique_ptr<MainForm> form;
  win32::RegistryAutoStart autoStart;
  try {
    window = std::make_unique<win32::MainWindow>(instance, language);
    parts = std::make_unique<win32::ProgramParts>(settings, messages, *window, language);
    form = std::make_unique<MainForm>(settings, MainFormPorts{
        .Window = *window,
        .Rules = *parts,
        .Stamping = *parts,
        .AutoStart = autoStart,
        .Messages = messages,
        .SettingsDialog = *parts,
        .About = *parts,
        .Timer = window->Timer(),
        .MakeStore = makeStore,
        .TryTimeFormat = parts->TimeFormatCheck(),
        .Files = parts->Files()}, language);
    window->SetForm(form.get());
    form->Load();
  } catch (const std::exception& error) {
    // A start-up that failed leaves nothing behind: no icon, no window, no claim.
    if (window) window->Abandon();
    guard.Release();
    messages.ShowMessage(DescribeFailure(error, language), message_style::kCritical);
    return 1;
  }

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Only key messages are translated; the timer's hundred messages a second at the fastest
    // rate need not pass through it. (Menus and the settings dialog run loops of their own.)
#ifdef LARTSEN_CRASH_TRIGGER
    CrashOnRequest(message);
#endif
    if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // Whatever ended the loop (our own close, or a WM_QUIT some other program posted), the titles
  // go back and the icon goes before the process ends; after our own close this does nothing.
  window->Close();
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Before anything may load a DLL: a copy in a folder others can write must not run theirs.
  win32::RestrictDllSearch();
  // The common controls are registered when the first dialog opens (EnsureCommonControls).
  try {
    return RunProgram(instance);
  } catch (...) {
    return 1;
  }
}
