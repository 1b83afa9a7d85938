// Fuzzes the list reader: any file bytes decode and split without fault, and no value line
// holds a line break, starts or ends with a blank, or is empty or a comment.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rules/list_reader.h"
#include "rules/portable_ansi.h"
#include "rules/testing/fake_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lartsen::FakeFiles files;
  files.files[u"rules.ini"].assign(reinterpret_cast<const char*>(data), size);
  lartsen::PortableAnsiDecoder ansi;
  lartsen::ListReader reader(files, ansi);
  const auto lines = reader.ReadList(u"rules.ini", u";", true, true, 0, 0);
  if (!lines) std::abort();
  for (const std::u16string& line : *lines) {
    if (line.empty() || line.front() == u';') std::abort();
    if (line.find_first_of(u"\r\n") != std::u16string::npos) std::abort();
    if (line.front() == u' ' || line.front() == u'\t' || line.back() == u' ' || line.back() == u'\t') std::abort();
  }
  return 0;
}
