// Commands from later starts (--settings, --quit) reach the running copy through the event loop.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

#include "platform/linux/x11/display_owner.h"

namespace lartsen::linux_app {

// Each command runs from the event loop, never inside a tick or another command; the handlers
// are the program's boundaries and throw nothing.
class InstanceCommandsQt final : public QObject {
 public:
  InstanceCommandsQt(x11::DisplayOwner& owner, std::function<void(x11::InstanceCommand)> handler);
  ~InstanceCommandsQt() override;

 private:
  void Read();

  x11::DisplayOwner& owner_;
  std::function<void(x11::InstanceCommand)> handler_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace lartsen::linux_app
