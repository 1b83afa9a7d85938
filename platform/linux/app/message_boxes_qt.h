// Message boxes of the Linux program, every one titled "Korvel - Ларцен".
#pragma once

#include "support/message_port.h"

namespace lartsen::linux_app {

class MessageBoxesQt final : public MessagePort {
 public:
  void ShowMessage(std::u16string_view text, unsigned style) override;
};

}  // namespace lartsen::linux_app
