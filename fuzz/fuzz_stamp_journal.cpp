// Arbitrary stored journal texts and window titles: records read back survive being written
// again, and the restore's test never accepts a title that does not begin with the record's own
// title and one blank.
#include <cstdlib>
#include <string>

#include "engine/stamp_journal.h"
#include "support/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lartsen;
  const std::u16string input = FromUtf8(std::string(reinterpret_cast<const char*>(data), size));
  // The first line is the stored text, the second the title shown, the rest the fresh stamp.
  const std::size_t first = input.find(u'\n');
  const std::size_t second = first == std::u16string::npos ? first : input.find(u'\n', first + 1);
  const std::u16string stored = input.substr(0, first);
  const std::u16string shown =
      first == std::u16string::npos ? u"" : input.substr(first + 1, second - first - 1);
  const std::u16string fresh = second == std::u16string::npos ? u"" : input.substr(second + 1);

  const auto records = DecodeStampRecords(stored);
  if (!records) return 0;
  if (DecodeStampRecords(EncodeStampRecords(*records)) != records) std::abort();
  for (const StampRecord& record : *records) {
    if (record.Window == 0) std::abort();
    if (ShowsStampOf(shown, record, fresh)) {
      const std::u16string prefix = record.OwnTitle + u" ";
      if (shown.compare(0, prefix.size(), prefix) != 0) std::abort();
    }
  }
  return 0;
}
