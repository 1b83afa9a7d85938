// SIGTERM, SIGINT and SIGHUP turned into an orderly exit through a self-pipe.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace lartsen::linux_app {

// One per process: the handler writes the signal number into the pipe, the event loop reads it
// and calls `onSignal` on the user-interface thread.
class SignalPipe final : public QObject {
 public:
  explicit SignalPipe(std::function<void()> onSignal);
  ~SignalPipe() override;

 private:
  int fds_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  std::function<void()> onSignal_;
};

}  // namespace lartsen::linux_app
