// Message boxes of the program, captioned with its title.
#pragma once

#include "support/message_port.h"

namespace lartsen::win32 {

class MessageBoxes : public MessagePort {
 public:
  void ShowMessage(std::u16string_view text, unsigned style) override;
};

}  // namespace lartsen::win32
