// Message boxes of the dialogs: the application title as caption, one OK button, the style's icon.
#pragma once

#include <QPointer>
#include <QWidget>

#include "support/message_port.h"

namespace lartsen::qt {

class MessageBoxes final : public MessagePort {
 public:
  explicit MessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }
  // Modal over the owner; the program's timers go on while it is open.
  void ShowMessage(std::u16string_view text, unsigned style) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace lartsen::qt
