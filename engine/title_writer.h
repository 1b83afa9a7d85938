// The title writer: one window at a time carries the stamp, and gets its own title back.
#pragma once

#include <string>

#include "support/types.h"
#include "support/window_port.h"
#include "template/title_format.h"

namespace lartsen {

class TitleWriter {
 public:
  TitleWriter(WindowPort& windows, TitleFormatter& formatter);

  // Stamps `window` (0: no window), restoring the window stamped before when it changes.
  // Throws Error from the title services or the template; the fields keep what they reached.
  void ApplyTitle(WindowHandle window);

  std::u16string OriginalTitle;  // own title of StampedWindow
  std::u16string StampedTitle;   // the text written last to StampedWindow (or, when the window
                                 // did not answer in time, the text it kept showing)
  WindowHandle StampedWindow = 0;

 private:
  // True when `current` is text this writer put on StampedWindow.
  bool ShowsOurText(const std::u16string& current) const;

  WindowPort& windows_;
  TitleFormatter& formatter_;
  std::u16string undelivered_;  // a write StampedWindow did not take in time; it may come late
};

}  // namespace lartsen
