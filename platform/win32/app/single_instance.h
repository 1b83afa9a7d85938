// One running program per user session: a named mutex keyed by the program's identifier.
#pragma once

#include <string_view>

namespace lartsen::win32 {

class SingleInstanceGuard {
 public:
  SingleInstanceGuard() = default;
  ~SingleInstanceGuard();
  SingleInstanceGuard(const SingleInstanceGuard&) = delete;
  SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

  // True when this process created the mutex "Local\<key>", false when another instance holds
  // it. Throws Error when the mutex cannot be created at all.
  bool ClaimInstance(std::u16string_view key);
  // Gives the identifier up before the end of the run (a start-up that failed).
  void Release();

 private:
  void* mutex_ = nullptr;
};

}  // namespace lartsen::win32
