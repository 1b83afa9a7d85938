// The foreground and retitle watch under sway: window events read from a subscribed connection.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>

#include "platform/linux/sway/sway_ipc.h"

namespace lartsen::sway {

// Every window or workspace event first tells `treeChanged`. One that can change what the stamp
// shows (a window's focus, title, fullscreen_mode or close; a workspace's focus) asks for one
// tick at once; several coalesce into one tick run from the event loop. A title event that only
// reports our own format (`isOwnFormat` of the container and its `name`) asks for nothing.
class SwayWatch final : public QObject {
 public:
  using OwnFormatTest = std::function<bool(std::int64_t container, const std::string& name)>;

  SwayWatch(const std::string& socketPath, std::function<void()> runTick, OwnFormatTest isOwnFormat,
            std::function<void()> treeChanged);
  ~SwayWatch() override;
  // Called when sway went away.
  void SetLostHandler(std::function<void()> handler) { lost_ = std::move(handler); }

 private:
  void ReadEvent();
  void QueueTick();

  SwayIpc events_;
  std::function<void()> runTick_;
  OwnFormatTest isOwnFormat_;
  std::function<void()> treeChanged_;
  std::function<void()> lost_;
  std::unique_ptr<QSocketNotifier> notifier_;
  bool tickQueued_ = false;
};

// Whether an event's change asks for a tick (`window`: a window event, else a workspace one).
bool ChangeAsksForTick(bool window, const std::string& change);

}  // namespace lartsen::sway
