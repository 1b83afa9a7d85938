// A message port that records every box shown instead of showing it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/message_port.h"

namespace lartsen {

class FakeMessages : public MessagePort {
 public:
  struct Shown {
    std::u16string text;
    unsigned style;
  };
  std::vector<Shown> shown;

  void ShowMessage(std::u16string_view text, unsigned style) override {
    shown.push_back({std::u16string(text), style});
  }
};

}  // namespace lartsen
