// Fakes of the memory figures and a test locale for tests of the template and the title writer.
#pragma once

#include <string>
#include <vector>

#include "support/testing/fake_clock.h"
#include "support/error.h"
#include "support/memory_port.h"
#include "template/locale_info.h"
#include "template/number_text.h"

namespace lartsen::testing {

// Records every call in order; size text is "<number>b" so tests can tell which figure it was.
class FakeMemory : public MemoryPort {
 public:
  MemoryStatus GlobalMemoryStatus() override {
    Calls.push_back(u"status");
    if (FailStatus) throw Error(status::kFail, u"no memory status");
    return Status;
  }
  std::u16string FormatByteSize(double bytes) override {
    Calls.push_back(u"size " + NumberText(bytes, u"."));
    if (FailSizeAt == ++SizeCalls) throw Error(status::kOutOfMemory, u"no size text");
    return NumberText(bytes, u".") + u"b";
  }
  MemoryStatus Status{43, 8000, 3000, 20000, 12000, 4000, 1000, 0};
  std::vector<std::u16string> Calls;
  bool FailStatus = false;
  int FailSizeAt = 0;  // 1-based index of the size call that fails; 0: none
  int SizeCalls = 0;
};

inline LocaleInfo TestLocale(std::u16string decimalSeparator = u",") {
  LocaleInfo l;
  l.Name = u"test";
  l.DecimalSeparator = std::move(decimalSeparator);
  l.TimeSeparator = u":";
  l.LongTime = [](const CivilDateTime& c) {
    auto two = [](int v) {
      return std::u16string{static_cast<char16_t>(u'0' + v / 10), static_cast<char16_t>(u'0' + v % 10)};
    };
    return two(c.Hour) + u":" + two(c.Minute) + u":" + two(c.Second);
  };
  return l;
}

}  // namespace lartsen::testing
