// Reads the owner connection when it has data and queues each command it brought.
#include "platform/linux/app/instance_commands_qt.h"

#include <QTimer>

namespace lartsen::linux_app {

InstanceCommandsQt::InstanceCommandsQt(x11::DisplayOwner& owner,
                                       std::function<void(x11::InstanceCommand)> handler)
    : owner_(owner), handler_(std::move(handler)) {
  notifier_ = std::make_unique<QSocketNotifier>(owner_.FileDescriptor(), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Read(); });
  // Commands that came before the loop started are read at its first turn.
  QTimer::singleShot(0, this, [this] { Read(); });
}

void InstanceCommandsQt::Read() {
  for (const x11::InstanceCommand command : owner_.TakeCommands()) {
    // Queued: the settings dialog runs its own loop, which must not start inside this read.
    QTimer::singleShot(0, this, [this, command] { handler_(command); });
  }
}

InstanceCommandsQt::~InstanceCommandsQt() = default;

}  // namespace lartsen::linux_app
