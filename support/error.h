// The error a failing support call raises; event boundaries decide what the user sees.
#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "support/ui_text.h"

namespace lartsen {

// Status codes (negative, HRESULT-shaped) that the core raises itself.
namespace status {
inline constexpr std::int32_t kFail = static_cast<std::int32_t>(0x80004005);
inline constexpr std::int32_t kInvalidArgument = static_cast<std::int32_t>(0x80070057);
inline constexpr std::int32_t kTypeMismatch = static_cast<std::int32_t>(0x80020005);
inline constexpr std::int32_t kOverflow = static_cast<std::int32_t>(0x8002000A);
inline constexpr std::int32_t kOutOfMemory = static_cast<std::int32_t>(0x8007000E);
// A text would grow beyond the bound set for it (the Win32 code of an overflowing buffer).
inline constexpr std::int32_t kTooLong = static_cast<std::int32_t>(0x8007006F);
}  // namespace status

// A failure status with its description, as the user may see it in a message box.
class Error : public std::exception {
 public:
  Error(std::int32_t status, std::u16string description);
  // A description kept by its catalog key and followed by `detail` (a name, the system's
  // reason), so that whoever shows it says it in the user's language; description() is the
  // Russian one.
  Error(std::int32_t status, UiText key, std::u16string detail = {});
  // The same with a keyed ending after the detail ("longer than " <count> " characters").
  Error(std::int32_t status, UiText key, std::u16string detail, UiText ending);

  std::int32_t status() const noexcept { return status_; }
  const std::u16string& description() const noexcept { return description_; }
  // The description in `language`: the keyed text with its detail, or the description as given.
  std::u16string DescriptionIn(UiLanguage language) const;
  const char* what() const noexcept override { return what_.c_str(); }  // UTF-8

 private:
  std::int32_t status_;
  std::u16string description_;
  std::optional<UiText> key_;
  std::u16string detail_;
  std::optional<UiText> ending_;
  std::string what_;
};

// What a failure says to the user in `language`: a keyed Error in that language, any other
// exception by its own text.
std::u16string DescribeFailure(const std::exception& error, UiLanguage language);

}  // namespace lartsen
