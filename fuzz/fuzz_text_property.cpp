// Arbitrary bytes as each kind of title property: decoding never fails, and a text reported as
// exact is one that writing back (as UTF-8, or as Latin-1 where it fits) would not change.
#include <cstdlib>
#include <string>

#include "platform/linux/x11/text_property.h"
#include "support/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lartsen;
  using x11::TextEncoding;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const TextEncoding encoding : {TextEncoding::Latin1, TextEncoding::Utf8, TextEncoding::CompoundText}) {
    bool exact = false;
    const std::u16string text = x11::DecodeTextProperty(encoding, bytes, &exact);
    if (encoding == TextEncoding::Latin1 && (!exact || text.size() != size)) std::abort();
    if (encoding == TextEncoding::Utf8 && exact && ToUtf8(text) != bytes) std::abort();
    // Without escapes or right-half bytes, COMPOUND_TEXT is ASCII and reads as it stands.
    if (encoding == TextEncoding::CompoundText && exact && bytes.find('\x1b') == std::string_view::npos &&
        text != x11::DecodeTextProperty(TextEncoding::Latin1, bytes)) {
      std::abort();
    }
  }
  return 0;
}
