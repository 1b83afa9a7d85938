// Arbitrary templates and memory figures for FormatTitle, compared with a plain reference
// expansion (one naive replace pass per placeholder); number text must never crash either.
#include <cstdint>
#include <cstring>
#include <string>

#include "settings/settings.h"
#include "support/error.h"
#include "support/testing/fake_clock.h"
#include "template/locale_info.h"
#include "template/number_text.h"
#include "template/testing/placeholder_names.h"
#include "template/testing/title_fakes.h"
#include "template/title_format.h"

namespace {

using namespace lartsen;

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; }

std::u16string NaiveReplace(const std::u16string& text, const std::u16string& name,
                            const std::u16string& value) {
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    bool match = i + name.size() <= text.size();
    for (std::size_t k = 0; match && k < name.size(); ++k) match = Lower(text[i + k]) == Lower(name[k]);
    if (match) {
      out += value;
      i += name.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Layout: 7 raw doubles of memory figures and a load byte, then the template as UTF-16.
  constexpr std::size_t kHead = 7 * sizeof(double) + 1;
  if (size < kHead) return 0;
  testing::FakeMemory memory;
  double d[7];
  std::memcpy(d, data, sizeof d);
  memory.Status = {static_cast<std::int32_t>(data[56] % 101), d[0], d[1], d[2], d[3], d[4], d[5], d[6]};
  std::u16string pattern((size - kHead) / 2, u'\0');
  std::memcpy(pattern.data(), data + kHead, pattern.size() * 2);

  static const LocaleInfo& locale = BuiltinLocale("ru-RU");
  Settings settings{u"hh:nn:ss", u"", 1000};
  testing::FakeClock clock;
  TitleFormatter formatter(settings.TitlePattern, settings.TimeFormat, locale, clock, memory);
  const std::u16string ours = formatter.FormatTitle(pattern, 0.5, u"\"%TotalVirtual%\"");

  const MemoryStatus& m = memory.Status;
  const double f[10] = {m.AvailPhys,     m.TotalPhys - m.AvailPhys,         m.TotalPhys,
                        m.AvailPageFile, m.TotalPageFile - m.AvailPageFile, m.TotalPageFile,
                        m.AvailVirtual,  m.TotalVirtual - m.AvailVirtual,   m.AvailExtendedVirtual,
                        m.TotalVirtual};
  std::u16string values[23];
  values[0] = u"%TotalVirtual%";
  values[1] = NumberText(m.MemoryLoad, u".");
  values[2] = NumberText(100 - m.MemoryLoad, u".");
  for (int i = 0; i < 10; ++i) values[3 + i] = NumberText(f[i], locale.DecimalSeparator);
  for (int i = 0; i < 10; ++i) values[13 + i] = memory.FormatByteSize(f[i]);
  std::u16string reference = pattern;
  for (int i = 0; i < 23; ++i) reference = NaiveReplace(reference, testing::kPlaceholderNames[i], values[i]);
  if (ours != reference) __builtin_trap();
  return 0;
}
