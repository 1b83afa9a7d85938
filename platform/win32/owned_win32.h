// Owners of Windows handles, keys, icons and GDI objects: each is released on every way out.
#pragma once

#include <windows.h>

#include <utility>

namespace lartsen::win32 {

// Holds one `T` and hands it to `Release` when it goes; a null value (or, for kernel handles,
// INVALID_HANDLE_VALUE, which some calls return instead of null) holds nothing.
template <typename T, auto Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(T value) : value_(Valid(value) ? value : T{}) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : value_(std::exchange(other.value_, T{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(std::exchange(other.value_, T{}));
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  T get() const { return value_; }
  explicit operator bool() const { return value_ != T{}; }
  // The address to receive a new value from a call that fills an out-parameter.
  T* receive() {
    reset();
    return &value_;
  }
  void reset(T value = T{}) {
    if (value_ != T{}) Release(value_);
    value_ = Valid(value) ? value : T{};
  }

 private:
  static bool Valid(T value) {
    if constexpr (std::is_same_v<T, HANDLE>) return value != INVALID_HANDLE_VALUE;
    return true;
  }
  T value_{};
};

using OwnedHandle = Owned<HANDLE, &CloseHandle>;
using RegistryKey = Owned<HKEY, &RegCloseKey>;
using OwnedIcon = Owned<HICON, &DestroyIcon>;
using OwnedFont = Owned<HFONT, &DeleteObject>;
using OwnedBrush = Owned<HBRUSH, &DeleteObject>;

}  // namespace lartsen::win32
