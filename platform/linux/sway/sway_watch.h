// The foreground and retitle watch under sway: window events read from a subscribed connection.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>

#include "platform/linux/sway/sway_ipc.h"

namespace lartsen::sway {

// A window event that can change what the stamp shows (focus, title, fullscreen_mode, close)
// asks for one tick at once; several coalesce into one tick run from the event loop. A title
// event that only reports our own format (`isOwnFormat` of the container and its `name`) asks
// for nothing.
class SwayWatch final : public QObject {
 public:
  using OwnFormatTest = std::function<bool(std::int64_t container, const std::string& name)>;

  SwayWatch(const std::string& socketPath, std::function<void()> runTick, OwnFormatTest isOwnFormat);
  ~SwayWatch() override;
  // Called when sway went away.
  void SetLostHandler(std::function<void()> handler) { lost_ = std::move(handler); }

 private:
  void ReadEvent();
  void QueueTick();

  SwayIpc events_;
  std::function<void()> runTick_;
  OwnFormatTest isOwnFormat_;
  std::function<void()> lost_;
  std::unique_ptr<QSocketNotifier> notifier_;
  bool tickQueued_ = false;
};

// Whether a window event's change asks for a tick.
bool ChangeAsksForTick(const std::string& change);

}  // namespace lartsen::sway
