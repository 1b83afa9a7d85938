// Port to message boxes: every box carries the application title as its caption.
#pragma once

#include <string_view>

namespace lartsen {

namespace message_style {
inline constexpr unsigned kCritical = 16;     // critical-stop icon, one OK button
inline constexpr unsigned kInformation = 64;  // information icon, one OK button
}  // namespace message_style

class MessagePort {
 public:
  virtual ~MessagePort() = default;
  // Modal; returns when the user has closed the box.
  virtual void ShowMessage(std::u16string_view text, unsigned style) = 0;
};

}  // namespace lartsen
