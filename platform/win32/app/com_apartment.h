// The user-interface thread's COM apartment, entered before any shell call and left at exit.
#pragma once

namespace lartsen::win32 {

// Shell calls that go through shell extensions (opening a file with its associated program)
// need COM on the calling thread, in a single-threaded apartment. Entering may fail (the
// thread is already in another kind of apartment); the program then goes on without it, and
// only an apartment this object entered is left again.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  bool Entered() const { return entered_; }

 private:
  bool entered_ = false;
};

}  // namespace lartsen::win32
