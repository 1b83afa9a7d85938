// Stand-ins for the settings dialog and About until the Qt dialogs are wired in.
#pragma once

#include "app/app_ports.h"
#include "support/message_port.h"

namespace lartsen::linux_app {

// The settings are edited in the settings file meanwhile; the box says where.
class PlaceholderSettingsDialog final : public SettingsDialogPort {
 public:
  explicit PlaceholderSettingsDialog(MessagePort& messages) : messages_(messages) {}
  void ShowModal() override;

 private:
  MessagePort& messages_;
};

class PlaceholderAbout final : public AboutPort {
 public:
  explicit PlaceholderAbout(MessagePort& messages) : messages_(messages) {}
  void ShowAbout() override;

 private:
  MessagePort& messages_;
};

}  // namespace lartsen::linux_app
