// Subscribes to sway's window events and turns the relevant ones into ticks.
#include "platform/linux/sway/sway_watch.h"

#include <QTimer>

namespace lartsen::sway {
namespace {

constexpr std::uint32_t kWindowEvent = 3;  // event types: 0 workspace, 3 window

}  // namespace

bool ChangeAsksForTick(bool window, const std::string& change) {
  if (!window) return change == "focus";
  return change == "focus" || change == "title" || change == "fullscreen_mode" || change == "close";
}

SwayWatch::SwayWatch(const std::string& socketPath, std::function<void()> runTick, OwnFormatTest isOwnFormat,
                     std::function<void()> treeChanged)
    : events_(socketPath),
      runTick_(std::move(runTick)),
      isOwnFormat_(std::move(isOwnFormat)),
      treeChanged_(std::move(treeChanged)) {
  events_.Subscribe(nlohmann::json::array({"window", "workspace"}));
  notifier_ = std::make_unique<QSocketNotifier>(events_.Descriptor(), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { ReadEvent(); });
}

SwayWatch::~SwayWatch() { notifier_.reset(); }

void SwayWatch::ReadEvent() {
  try {
    const auto [type, payload] = events_.ReadMessage();
    if ((type & message::kEventBit) == 0) return;
    const nlohmann::json event = nlohmann::json::parse(payload, nullptr, false);
    const bool windowEvent = type == (message::kEventBit | kWindowEvent);
    const std::string change = event.is_object() ? event.value("change", std::string()) : std::string();
    if (windowEvent && change == "title") {
      // Our own format changes no fact of the tree: the echo is dropped whole.
      const auto container = event.find("container");
      if (container != event.end() && container->is_object()) {
        const auto name = container->find("name");
        const std::string title = name != container->end() && name->is_string() ? name->get<std::string>() : "";
        if (isOwnFormat_(container->value("id", std::int64_t{0}), title)) return;
      }
    }
    treeChanged_();
    if (ChangeAsksForTick(windowEvent, change)) QueueTick();
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
