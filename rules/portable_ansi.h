// The ANSI decoding used where the host has no code page of its own to offer.
#pragma once

#include <string>
#include <string_view>

#include "rules/file_read_port.h"

namespace lartsen {

// Windows-1251 (Cyrillic) to UTF-16.
std::u16string DecodeWindows1251(std::string_view bytes);

// UTF-8 when the bytes are well-formed UTF-8, Windows-1251 otherwise: the Russian users'
// code page, for hosts whose own code page is not known.
class PortableAnsiDecoder final : public AnsiDecodePort {
 public:
  std::u16string DecodeAnsi(std::string_view bytes) override;
};

}  // namespace lartsen
