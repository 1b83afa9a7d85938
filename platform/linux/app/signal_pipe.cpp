// The async-signal-safe half writes one byte; the notifier's half restores and quits.
#include "platform/linux/app/signal_pipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <csignal>

#include "support/error.h"

namespace lartsen::linux_app {
namespace {

// The write end the handler uses; a signal handler can reach nothing but a global.
std::atomic<int> signalWriteEnd{-1};

void OnSignal(int number) {
  const int saved = errno;
  const char byte = static_cast<char>(number);
  const int fd = signalWriteEnd.load();
  if (fd >= 0) [[maybe_unused]] auto written = write(fd, &byte, 1);
  errno = saved;
}

}  // namespace

SignalPipe::SignalPipe(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) throw Error(status::kFail, UiText::CannotCreateSignalPipe);
  signalWriteEnd.store(fds_[1]);
  notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    char buffer[16];
    while (read(fds_[0], buffer, sizeof buffer) > 0) {
    }
    if (onSignal_) onSignal_();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : {SIGTERM, SIGINT, SIGHUP}) sigaction(number, &action, nullptr);
}

SignalPipe::~SignalPipe() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  for (int number : {SIGTERM, SIGINT, SIGHUP}) sigaction(number, &action, nullptr);
  signalWriteEnd.store(-1);
  notifier_.reset();
  close(fds_[0]);
  close(fds_[1]);
}

}  // namespace lartsen::linux_app
