// The error a failing support call raises; event boundaries decide what the user sees.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

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

  std::int32_t status() const noexcept { return status_; }
  const std::u16string& description() const noexcept { return description_; }
  const char* what() const noexcept override { return what_.c_str(); }  // UTF-8

 private:
  std::int32_t status_;
  std::u16string description_;
  std::string what_;
};

}  // namespace lartsen
