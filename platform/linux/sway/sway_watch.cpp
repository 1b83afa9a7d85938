// Subscribes to sway's window events and turns the relevant ones into ticks.
#include "platform/linux/sway/sway_watch.h"

#include <QTimer>

namespace lartsen::sway {

bool ChangeAsksForTick(const std::string& change) {
  return change == "focus" || change == "title" || change == "fullscreen_mode" || change == "close";
}

SwayWatch::SwayWatch(const std::string& socketPath, std::function<void()> runTick, OwnFormatTest isOwnFormat)
    : events_(socketPath), runTick_(std::move(runTick)), isOwnFormat_(std::move(isOwnFormat)) {
  events_.Subscribe(nlohmann::json::array({"window"}));
  notifier_ = std::make_unique<QSocketNotifier>(events_.Descriptor(), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { ReadEvent(); });
}

SwayWatch::~SwayWatch() { notifier_.reset(); }

void SwayWatch::ReadEvent() {
  try {
    const auto [type, payload] = events_.ReadMessage();
    if ((type & message::kEventBit) == 0) return;
    const nlohmann::json event = nlohmann::json::parse(payload, nullptr, false);
    if (!event.is_object()) return;
    const std::string change = event.value("change", std::string());
    if (!ChangeAsksForTick(change)) return;
    if (change == "title") {
      const auto container = event.find("container");
      if (container != event.end() && container->is_object()) {
        const auto name = container->find("name");
        const std::string title = name != container->end() && name->is_string() ? name->get<std::string>() : "";
        if (isOwnFormat_(container->value("id", std::int64_t{0}), title)) return;
      }
    }
    QueueTick();
  } catch (...) {
    // The socket closed: sway has ended, and the session with it.
    notifier_->setEnabled(false);
    if (lost_) lost_();
  }
}

void SwayWatch::QueueTick() {
  if (tickQueued_) return;
  tickQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    tickQueued_ = false;
    runTick_();
  });
}

}  // namespace lartsen::sway
